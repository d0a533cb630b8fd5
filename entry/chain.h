// A chain of nodes being built aside, before it replaces a list's elements:
// what the keyboard entry and the loader build. Released with it unless taken.
#ifndef LINKLIST_ENTRY_CHAIN_H_
#define LINKLIST_ENTRY_CHAIN_H_

#include "list/list.h"

struct Chain {
  LNode* first = nullptr;
  LNode* last = nullptr;

  Chain() = default;
  Chain(const Chain&) = delete;
  Chain& operator=(const Chain&) = delete;
  ~Chain() { FreeChain(first); }
};

// Links a new node holding e at the end. Fatal when memory is exhausted.
inline void AppendNode(Chain* chain, ElemType e) {
  LNode* p = NewNode(e);
  if (chain->last == nullptr) {
    chain->first = p;
  } else {
    chain->last->next = p;
  }
  chain->last = p;
}

// Makes the chain the list's elements and releases the ones it held.
inline void ReplaceElements(LNode* headp, Chain* chain) {
  LNode* old = headp->next;
  headp->next = chain->first;
  chain->first = chain->last = nullptr;
  FreeChain(old);
}

#endif  // LINKLIST_ENTRY_CHAIN_H_
