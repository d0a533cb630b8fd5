// linklist: three singly linked lists of integers, worked on through a menu.
#include <new>

#include "console/console.h"
#include "list/list.h"
#include "menu/listset.h"
#include "menu/menu.h"

int main() {
  ConsoleInit();
  // The set lives until the process ends, and its lists with it: the system
  // takes back their memory faster than a walk over millions of nodes would.
  static Sqlist set = MakeListSet();
  try {
    RunMenu(set);
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the list core (a text being converted, say):
    // end the way the list core does.
    ListFatal();
  }
  return 0;
}
