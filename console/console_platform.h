// What the console's common part asks of the system it runs on. The common
// part (console.cpp) keeps the encoding, the reads and the end of input; one
// platform part (console_posix.cpp or console_win.cpp) answers these, and
// also defines ToGbk, ClearScreen and the terminal side of ConsoleWrite.
// Only the console's own sources include this header.
#ifndef LINKLIST_CONSOLE_CONSOLE_PLATFORM_H_
#define LINKLIST_CONSOLE_CONSOLE_PLATFORM_H_

#include <cstdio>
#include <string_view>

#include "console/console.h"

// The output encoding this system asks for at start-up.
Encoding SystemEncoding();

// Settles, once at start-up, what standard output is (a terminal or console
// that can be cleared, or a pipe or file) and how input is read; in is the
// input stream, standard input when it is null. Forgets any byte given back.
void SettleTerminal(std::FILE* in);

// Writes UTF-8 text straight to a console that takes it as it is meant to be
// shown, flushing standard output first; false, having written nothing, when
// standard output is no such console (a pipe, a file, any POSIX terminal).
bool WriteToConsole(std::string_view utf8);

// The next byte of input as the program reads it; EOF at the end or on a read
// error.
int ReadByte(std::FILE* in);

// Gives back c, the byte ReadByte just answered, to be answered again.
void UnreadByte(int c, std::FILE* in);

#endif  // LINKLIST_CONSOLE_CONSOLE_PLATFORM_H_
