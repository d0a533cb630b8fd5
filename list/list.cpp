#include "list/list.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

void ExitOverflow() { std::exit(OVERFLOW); }

ListFatalHandler fatal_handler = ExitOverflow;

// The node at position i (0 is the head node), or null when the list is
// shorter than that. One walk, at most i steps.
LNode* NodeAt(LNode* headp, int i) {
  LNode* p = headp;
  for (int k = 0; p != nullptr && k < i; ++k) p = p->next;
  return p;
}

}  // namespace

void SetListFatalHandler(ListFatalHandler handler) {
  fatal_handler = handler != nullptr ? handler : ExitOverflow;
}

void ListFatal() {
  fatal_handler();
  std::abort();  // a handler must not return
}

LNode* NewNode(ElemType e) {
  LNode* p = new (std::nothrow) LNode{e, nullptr};
  if (p == nullptr) ListFatal();
  return p;
}

void FreeChain(LNode* first) {
  while (first != nullptr) {
    LNode* next = first->next;
    delete first;
    first = next;
  }
}

Status InitList(LNode** headp) {
  LNode* head = NewNode(0);
  FreeChain(*headp);
  *headp = head;
  return OK;
}

Status DestroyList(LNode** headp) {
  if (*headp == nullptr) return ERROR;
  FreeChain(*headp);
  *headp = nullptr;
  return OK;
}

Status ClearList(LNode* headp) {
  if (headp == nullptr) ListFatal();
  if (headp->next == nullptr) return ERROR;
  FreeChain(headp->next);
  headp->next = nullptr;
  return OK;
}

Status ListEmpty(LNode* headp) {
  if (headp == nullptr) ListFatal();
  return headp->next == nullptr ? TRUE : FALSE;
}

int ListLength(LNode* headp) {
  if (headp == nullptr) return 0;
  int n = 0;
  for (LNode* p = headp->next; p != nullptr; p = p->next) ++n;
  return n;
}

Status GetElem(LNode* headp, int i, ElemType* e) {
  if (i <= 0) return OVERFLOW;
  LNode* p = NodeAt(headp, i);
  if (p == nullptr) return OVERFLOW;
  *e = p->data;
  return OK;
}

int LocateElem(LNode* headp, ElemType e) {
  if (headp == nullptr) return 0;
  int i = 1;
  for (LNode* p = headp->next; p != nullptr; p = p->next, ++i) {
    if (p->data == e) return i;
  }
  return 0;
}

Status PriorElem(LNode* headp, ElemType cur_e, ElemType* pre_e) {
  if (headp == nullptr || headp->next == nullptr) return ERROR;
  for (LNode* prev = headp->next; prev->next != nullptr; prev = prev->next) {
    if (prev->next->data == cur_e) {
      *pre_e = prev->data;
      return OK;
    }
  }
  return ERROR;
}

Status NextElem(LNode* headp, ElemType cur_e, ElemType* next_e) {
  if (headp == nullptr) return ERROR;
  for (LNode* p = headp->next; p != nullptr && p->next != nullptr;
       p = p->next) {
    if (p->data == cur_e) {
      *next_e = p->next->data;
      return OK;
    }
  }
  return ERROR;
}

Status ListInsert(LNode* headp, int i, ElemType e) {
  if (i <= 0) return ERROR;
  LNode* prev = NodeAt(headp, i - 1);
  if (prev == nullptr) return ERROR;
  LNode* p = NewNode(e);
  p->next = prev->next;
  prev->next = p;
  return OK;
}

Status ListDelet(LNode* headp, int i, ElemType* e) {
  if (i <= 0) return ERROR;
  LNode* prev = NodeAt(headp, i - 1);
  if (prev == nullptr || prev->next == nullptr) return ERROR;
  LNode* p = prev->next;
  prev->next = p->next;
  *e = p->data;
  delete p;
  return OK;
}

// Formats into a local buffer and writes it in large pieces: one formatted
// write per element would cost more than the walk itself on long lists.
Status ListTrabverse(LNode* headp) {
  if (headp == nullptr || headp->next == nullptr) return ERROR;
  constexpr std::size_t kBufSize = 1 << 16;
  constexpr std::size_t kMaxItem = 12;  // "-2147483648\t"
  char buf[kBufSize];
  std::size_t used = 0;
  for (LNode* p = headp->next; p != nullptr; p = p->next) {
    if (kBufSize - used < kMaxItem) {
      std::fwrite(buf, 1, used, stdout);
      used = 0;
    }
    char* end = std::to_chars(buf + used, buf + kBufSize, p->data).ptr;
    *end++ = '\t';
    used = static_cast<std::size_t>(end - buf);
  }
  std::fwrite(buf, 1, used, stdout);
  return OK;
}
