#include "menu/menu.h"

#include <cstdio>
#include <string_view>

#include "console/console.h"
#include "menu/commands.h"

namespace {

constexpr std::string_view kMenu =
    "\n\n"
    "      Menu for Linear Table On Sequence Structure \n"
    "-------------------------------------------------\n"
    "    \t  1. IntiaList       8. PriorElem\n"
    "    \t  2. DestroyList     9. NextElem \n"
    "    \t  3. ClearList       10. ListInsert\n"
    "    \t  4. ListEmpty       11. ListDelete\n"
    "    \t  5. ListLength      12. ListTrabverse\n"
    "    \t  6. GetElem         13. InputElem\n"
    "    \t  7. LocateElem      14. ReadFile\n"
    "    \t  15. SaveFile       0. Exit\n"
    "-------------------------------------------------\n"
    "    请选择你的操作[0~15]:";

}  // namespace

// A choice that is out of range or not a number draws the menu again at once,
// without a pause. Once a read has met the end of the input no menu is drawn.
void RunMenu(Sqlist& set) {
  while (!InputEnded()) {
    ClearScreen();
    ConsoleWrite(kMenu);
    int op = 0;
    ReadResult r = ReadInt(&op);
    if (r == ReadResult::kEnd) break;
    if (r == ReadResult::kInvalid) continue;
    if (op == 0) break;
    CommandHandler run = CommandFor(op);
    if (run == nullptr) continue;
    if (!run(set) || !Pause()) break;
  }
  ConsolePutLine("欢迎下次再使用本系统！");
  std::fflush(stdout);
}
