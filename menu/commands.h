// The menu's commands, one handler per choice 1..15.
#ifndef LINKLIST_MENU_COMMANDS_H_
#define LINKLIST_MENU_COMMANDS_H_

#include "menu/listset.h"

// A handler runs one command on the set. It returns false when the input
// ended while it read, and it then stopped without a message.
using CommandHandler = bool (*)(Sqlist& set);

// The handler for a menu choice, or null when the choice is not 1..15.
CommandHandler CommandFor(int choice);

#endif  // LINKLIST_MENU_COMMANDS_H_
