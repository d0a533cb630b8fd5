#include "entry/assign.h"

#include "console/console.h"
#include "entry/chain.h"

Status AssignElem(LNode* headp) {
  if (headp == nullptr) return ERROR;
  Chain chain;
  int counter = 1;
  for (;;) {
    ConsolePrint("请输入第%d个元素值", counter);
    int el = 0;
    ReadResult r = ReadInt(&el);
    if (r == ReadResult::kEnd) break;
    if (r == ReadResult::kInvalid) {
      ConsoleWrite("输入无效！");
      continue;
    }
    ++counter;
    AppendNode(&chain, el);
    // The character right after the number, normally the line break.
    char after = 0;
    if (ReadChar(&after) == ReadResult::kEnd) break;
    ConsolePutLine("继续输入？y/n");
    char con = 0;
    if (ReadChar(&con) == ReadResult::kEnd || (con != 'Y' && con != 'y')) {
      break;
    }
  }
  if (chain.first != nullptr) ReplaceElements(headp, &chain);
  return OK;
}
