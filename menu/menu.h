// The menu loop: clear the screen, draw the menu, read a choice, run its
// command, pause; until choice 0 or the end of the input. Then the farewell.
#ifndef LINKLIST_MENU_MENU_H_
#define LINKLIST_MENU_MENU_H_

#include "menu/listset.h"

// Runs the loop on the console set up by ConsoleInit. Returns once the user
// chose 0 or the input ended, after writing the farewell line.
void RunMenu(Sqlist& set);

#endif  // LINKLIST_MENU_MENU_H_
