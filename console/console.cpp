#include "console/console.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <vector>

#include "console/console_platform.h"

namespace {

struct ConsoleState {
  Encoding encoding = Encoding::kUtf8;
  std::FILE* in = nullptr;
  bool ended = false;
};

ConsoleState console;

std::FILE* Input() { return console.in != nullptr ? console.in : stdin; }

// getc that remembers the end of the input (a read error counts as one):
// after it, nothing more is read, even from a terminal.
int NextChar() {
  if (console.ended) return EOF;
  int c = ReadByte(Input());
  if (c == EOF) console.ended = true;
  return c;
}

void PutBack(int c) {
  if (c != EOF) UnreadByte(c, Input());
}

// Drops the rest of the current input line, leaving its line break unread.
void DiscardLine() {
  int c;
  while ((c = NextChar()) != EOF && c != '\n') {
  }
  PutBack(c);
}

bool IsSpace(int c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

std::string Normalized(std::string_view codeset) {
  std::string out;
  for (char c : codeset) {
    if (c == '-' || c == '_') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

Encoding EncodingForLocale(std::string_view name) {
  std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return Encoding::kUtf8;
  std::string_view codeset = name.substr(dot + 1);
  codeset = codeset.substr(0, codeset.find('@'));
  static constexpr std::array<std::string_view, 6> kGbkNames = {
      "gbk", "cp936", "ms936", "gb2312", "gb18030", "euccn"};
  std::string norm = Normalized(codeset);
  for (std::string_view gbk : kGbkNames) {
    if (norm == gbk) return Encoding::kGbk;
  }
  return Encoding::kUtf8;
}

std::string LocaleFromEnvironment() {
  for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(var);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

void ConsoleInit(std::FILE* in) {
  console.encoding = SystemEncoding();
  SettleTerminal(in);
  console.in = in;
  console.ended = false;
}

void SetConsoleEncoding(Encoding encoding) { console.encoding = encoding; }

void ConsoleWrite(std::string_view text) {
  if (WriteToConsole(text)) return;
  if (console.encoding == Encoding::kGbk) {
    std::string gbk = ToGbk(text);
    std::fwrite(gbk.data(), 1, gbk.size(), stdout);
  } else {
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
}

void ConsolePrint(const char* format, ...) {
  std::array<char, 512> small;
  std::va_list args;
  va_start(args, format);
  int n = std::vsnprintf(small.data(), small.size(), format, args);
  va_end(args);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < small.size()) {
    ConsoleWrite(std::string_view(small.data(), static_cast<std::size_t>(n)));
    return;
  }
  std::vector<char> big(static_cast<std::size_t>(n) + 1);
  va_start(args, format);
  std::vsnprintf(big.data(), big.size(), format, args);
  va_end(args);
  ConsoleWrite(std::string_view(big.data(), static_cast<std::size_t>(n)));
}

void ConsolePutLine(std::string_view text) {
  ConsoleWrite(text);
  std::fputc('\n', stdout);
}

ReadResult ReadInt(int* value) {
  std::fflush(stdout);
  int c;
  while ((c = NextChar()) != EOF && IsSpace(c)) {
  }
  // Sign and the significant digits; leading zeros carry no weight, and more
  // than ten significant digits cannot fit in 32 bits.
  std::array<char, 16> text;
  std::size_t len = 0;
  if (c == '+' || c == '-') {
    if (c == '-') text[len++] = '-';
    c = NextChar();
  }
  if (c == EOF) return ReadResult::kEnd;
  if (!IsDigit(c)) {
    PutBack(c);
    DiscardLine();
    return ReadResult::kInvalid;
  }
  std::size_t digits = 0;
  for (; IsDigit(c); c = NextChar()) {
    if (c == '0' && digits == 0) continue;
    if (digits++ < 11) text[len++] = static_cast<char>(c);
  }
  PutBack(c);
  if (digits == 0) text[len++] = '0';
  int parsed = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + len, parsed);
  if (digits > 11 || ec != std::errc() || end != text.data() + len) {
    DiscardLine();
    return ReadResult::kInvalid;
  }
  *value = parsed;
  return ReadResult::kOk;
}

ReadResult ReadChar(char* c) {
  std::fflush(stdout);
  int ch = NextChar();
  if (ch == EOF) return ReadResult::kEnd;
  *c = static_cast<char>(ch);
  return ReadResult::kOk;
}

bool Pause() {
  char c;
  return ReadChar(&c) == ReadResult::kOk && ReadChar(&c) == ReadResult::kOk;
}

bool InputEnded() { return console.ended; }
