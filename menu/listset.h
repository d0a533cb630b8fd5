// The list set: the three named lists every command works on.
#ifndef LINKLIST_MENU_LISTSET_H_
#define LINKLIST_MENU_LISTSET_H_

#include "list/list.h"

// One entry: the list's data file name, which is also its display name, and
// its head handle (null: no list yet, or destroyed).
struct HNode {
  char name[20];
  LNode* head;
};

struct Sqlist {
  HNode* elem;
  int length;    // entries in use: 0, 1 and 2
  int listsize;  // entries the array has room for
};

// The set with entries "data0.dat", "data1.dat" and "data2.dat", no lists yet.
Sqlist MakeListSet();

// Releases every list and the entry array.
void FreeListSet(Sqlist* set);

// The entry with list number n, or null when n is not 0..length-1.
HNode* ListEntry(Sqlist& set, int n);

#endif  // LINKLIST_MENU_LISTSET_H_
