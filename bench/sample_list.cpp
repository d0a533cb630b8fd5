#include "bench/sample_list.h"

#include <map>
#include <random>

namespace {

// The shared lists, released at exit.
struct SampleLists {
  std::map<int, LNode*> by_size;
  ~SampleLists() {
    for (auto& [n, head] : by_size) DestroyList(&head);
  }
};

LNode* BuildList(int n) {
  std::mt19937 rng(static_cast<std::mt19937::result_type>(n));
  LNode* head = nullptr;
  InitList(&head);
  LNode* tail = head;
  for (int i = 0; i < n;) {
    auto e = static_cast<ElemType>(rng());
    if (e == kMissing) continue;
    tail = tail->next = NewNode(e);
    ++i;
  }
  return head;
}

}  // namespace

void SampleSizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMicrosecond);
}

LNode* SampleList(int n) {
  static SampleLists lists;
  LNode*& head = lists.by_size[n];
  if (head == nullptr) head = BuildList(n);
  return head;
}
