// Loading a list from its data file and saving it there (format in
// entry/datafile.h).
//
// A load is all or nothing: the list holds exactly the file's whole records
// afterwards, or, when the file cannot be opened or read, stays as it was.
// A save never damages the old file: it is replaced whole or not at all.
#ifndef LINKLIST_ENTRY_FILE_IO_H_
#define LINKLIST_ENTRY_FILE_IO_H_

#include "entry/chain.h"
#include "list/list.h"

enum class LoadResult { kLoaded, kCannotOpen, kReadError };

// Appends the file's elements to chain, which starts empty. On a failure the
// chain may hold part of them; it is released with it.
LoadResult LoadChain(const char* name, Chain* chain);

// Replaces the list's elements with those of the file and returns OK. Writes
// "File open error\n " and returns ERROR, leaving the list unchanged, when the
// file cannot be opened or read; ERROR without a word when there is no list.
Status ReadF(LNode* headp, const char* name);

// Writes the list's elements to the file and returns OK. Returns ERROR, the
// old file untouched, when the save fails; when the file cannot be written at
// all it first writes the line "File open error".
Status SaveFile(LNode* headp, const char* name);

#endif  // LINKLIST_ENTRY_FILE_IO_H_
