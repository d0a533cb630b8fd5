// Keyboard entry of one list.
#ifndef LINKLIST_ENTRY_ASSIGN_H_
#define LINKLIST_ENTRY_ASSIGN_H_

#include "list/list.h"

// Asks for elements one at a time ("请输入第%d个元素值"), and after each
// whether to go on; any answer but 'Y' or 'y' ends the entry. The values
// entered replace the list's elements. Input that is not a 32-bit number is
// answered with "输入无效！" and asked for again. At the end of the input the
// entry stops and keeps what was entered (nothing entered: list unchanged).
// Returns OK, or ERROR without reading anything when there is no list.
Status AssignElem(LNode* headp);

#endif  // LINKLIST_ENTRY_ASSIGN_H_
