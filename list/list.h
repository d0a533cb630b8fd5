// The list core: a singly linked list of integers with a head node.
//
// A list is reached through its head handle, a pointer to its head node; a
// null handle means "no list". The head node holds no element (its data is 0
// and never answers a search); elements are numbered from 1, the node right
// after the head. Every node is allocated by itself. The length is not stored.
//
// Operations report through Status codes and out-parameters, which are written
// only on success. The only output is ListTrabverse, on standard output.
// Two conditions are fatal and end the process with exit status OVERFLOW (-2):
// memory exhausted, and ClearList or ListEmpty on no list.
#ifndef LINKLIST_LIST_LIST_H_
#define LINKLIST_LIST_LIST_H_

#include <cstdint>

using Status = int;
using ElemType = std::int32_t;

struct LNode {
  ElemType data;
  LNode* next;
};

constexpr Status OK = 1;
constexpr Status ERROR = 0;
constexpr Status TRUE = 1;
constexpr Status FALSE = 0;
constexpr Status INFEASIBLE = -1;
constexpr Status OVERFLOW = -2;

// --- create, destroy, clear -------------------------------------------------

// Makes *headp an empty list (head data 0) and returns OK. A list it held
// before is released first.
Status InitList(LNode** headp);

// Releases every node, the head included, and sets *headp to null. Returns
// ERROR, changing nothing, when there is no list.
Status DestroyList(LNode** headp);

// Releases every element, keeping the head. Returns ERROR, changing nothing,
// when the list has no element. Fatal (exit -2) when there is no list.
Status ClearList(LNode* headp);

// --- queries ----------------------------------------------------------------

// TRUE when the list has no element, else FALSE. Fatal when there is no list.
Status ListEmpty(LNode* headp);

// The number of elements; 0 when there is no list.
int ListLength(LNode* headp);

// Stores the element at position i (1..length) in *e and returns OK. Returns
// OVERFLOW for a position out of range or no list; *e is then untouched.
Status GetElem(LNode* headp, int i, ElemType* e);

// The position (from 1) of the first element equal to e; 0 when none is, or
// when there is no list.
int LocateElem(LNode* headp, ElemType e);

// Finds the first element at position 2 or later that equals cur_e and stores
// the element before it in *pre_e. Returns ERROR when there is none.
Status PriorElem(LNode* headp, ElemType cur_e, ElemType* pre_e);

// Finds the first element equal to cur_e that has a successor and stores the
// successor in *next_e. Returns ERROR when there is none.
Status NextElem(LNode* headp, ElemType cur_e, ElemType* next_e);

// --- changes ----------------------------------------------------------------

// Inserts e so that it becomes position i (1..length+1). Returns ERROR for a
// position out of range or no list; the list is then unchanged.
Status ListInsert(LNode* headp, int i, ElemType e);

// Removes the element at position i (1..length) and stores it in *e. Returns
// ERROR for a position out of range or no list; the list is then unchanged.
Status ListDelet(LNode* headp, int i, ElemType* e);

// --- printing ---------------------------------------------------------------

// Prints every element as "%d\t" to standard output, in order, and returns OK.
// Returns ERROR, printing nothing, when there is no element or no list.
Status ListTrabverse(LNode* headp);

// --- node helpers for code that builds chains itself ------------------------

// A new node holding e, with a null link. Fatal when memory is exhausted.
LNode* NewNode(ElemType e);

// Releases the chain that starts at first (which may be null).
void FreeChain(LNode* first);

// Ends the process with exit status OVERFLOW, printing nothing; buffered
// output already written goes out first. A test build may install a handler
// that unwinds instead (it must not return).
[[noreturn]] void ListFatal();
using ListFatalHandler = void (*)();
void SetListFatalHandler(ListFatalHandler handler);

#endif  // LINKLIST_LIST_LIST_H_
