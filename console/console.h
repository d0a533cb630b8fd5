// The console: everything the program says and reads goes through here.
//
// Program text is kept as UTF-8 and written through ConsoleWrite, which turns
// it into the console's encoding (UTF-8, or GBK where the locale asks for it).
// Output goes to the buffered standard output, the same stream the list core
// prints elements to, and is flushed before every read so the prompt being
// answered is always out.
//
// Reads come from one input stream (standard input unless a test hands in
// another). A read reports one of three outcomes; once the input has ended
// every later read reports kEnd as well.
#ifndef LINKLIST_CONSOLE_CONSOLE_H_
#define LINKLIST_CONSOLE_CONSOLE_H_

#include <cstdio>
#include <string>
#include <string_view>

enum class Encoding { kUtf8, kGbk };

enum class ReadResult {
  kOk,       // the value was stored
  kInvalid,  // not a number, or outside the 32-bit range; rest of line dropped
  kEnd,      // end of input; nothing was stored
};

// --- set-up -----------------------------------------------------------------

// The encoding a locale name asks for: GBK when its codeset (after '.', before
// '@'; case, '-' and '_' ignored) is GBK, CP936, MS936, GB2312, GB18030 or
// EUC-CN; UTF-8 for anything else, including an empty name.
Encoding EncodingForLocale(std::string_view name);

// The locale name in force: LC_ALL, else LC_CTYPE, else LANG (the first that
// is set and not empty); "" when none is.
std::string LocaleFromEnvironment();

// Settles the console once, at start-up: the output encoding from the
// environment, whether clearing the screen writes anything, and the input
// stream (standard input when in is null).
void ConsoleInit(std::FILE* in = nullptr);

// Chooses the encoding directly (tests and tools); ConsoleInit sets it too.
void SetConsoleEncoding(Encoding encoding);

// --- output -----------------------------------------------------------------

// Writes UTF-8 text in the console's encoding.
void ConsoleWrite(std::string_view text);

// Formatted output of UTF-8 text, as printf.
void ConsolePrint(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Line output: the text and a line break.
void ConsolePutLine(std::string_view text);

// Clears the screen when standard output is a terminal that can do it; writes
// nothing at all into a pipe or file.
void ClearScreen();

// The text converted to GBK (code page 936); characters GBK lacks become '?'.
std::string ToGbk(std::string_view utf8);

// --- input ------------------------------------------------------------------

// Reads one integer like the formatted read "%d": skips white space (line
// breaks included), takes an optional sign and digits, leaves the character
// after them unread. On kInvalid the rest of that input line is discarded,
// but not its line break, and *value is untouched.
ReadResult ReadInt(int* value);

// Reads one character, white space included.
ReadResult ReadChar(char* c);

// The pause after a command: two single-character reads. False when the input
// ended during it.
bool Pause();

// True once a read has met the end of the input.
bool InputEnded();

#endif  // LINKLIST_CONSOLE_CONSOLE_H_
