// The console on a POSIX system: the locale variables choose the encoding,
// iconv converts to GBK, and a terminal is cleared with escape bytes.
#include "console/console_platform.h"

#include <iconv.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/console.h"

namespace {

bool can_clear = false;

bool TerminalCanClear() {
  if (isatty(STDOUT_FILENO) == 0) return false;
  const char* term = std::getenv("TERM");
  return term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

}  // namespace

Encoding SystemEncoding() { return EncodingForLocale(LocaleFromEnvironment()); }

void SettleTerminal(std::FILE*) { can_clear = TerminalCanClear(); }

// A terminal takes the same bytes as a pipe.
bool WriteToConsole(std::string_view) { return false; }

int ReadByte(std::FILE* in) { return std::getc(in); }

void UnreadByte(int c, std::FILE* in) { std::ungetc(c, in); }

void ClearScreen() {
  if (can_clear) std::fputs("\x1b[H\x1b[2J", stdout);
}

std::string ToGbk(std::string_view utf8) {
  static iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
  std::string out;
  std::array<char, 256> buf;
  char* src = const_cast<char*>(utf8.data());
  std::size_t left = utf8.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  while (left > 0) {
    char* dst = buf.data();
    std::size_t room = buf.size();
    std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // A character GBK lacks, or a broken sequence: skip it whole.
    out += '?';
    do {
      ++src;
      --left;
    } while (left > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80);
  }
  return out;
}
