#include "menu/listset.h"

#include <cstdio>

namespace {
constexpr int kListCount = 3;
constexpr int kListSize = 20;
}  // namespace

Sqlist MakeListSet() {
  Sqlist set{new HNode[kListSize]{}, kListCount, kListSize};
  for (int i = 0; i < set.length; ++i) {
    std::snprintf(set.elem[i].name, sizeof set.elem[i].name, "data%d.dat", i);
  }
  return set;
}

void FreeListSet(Sqlist* set) {
  for (int i = 0; i < set->length; ++i) DestroyList(&set->elem[i].head);
  delete[] set->elem;
  set->elem = nullptr;
  set->length = 0;
}

HNode* ListEntry(Sqlist& set, int n) {
  if (n < 0 || n >= set.length) return nullptr;
  return &set.elem[n];
}
