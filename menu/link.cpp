// linklist: three singly linked lists of integers, worked on through a menu.
#include "console/console.h"
#include "menu/listset.h"
#include "menu/menu.h"

int main() {
  ConsoleInit();
  Sqlist set = MakeListSet();
  RunMenu(set);
  FreeListSet(&set);
  return 0;
}
