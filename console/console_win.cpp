// The console on Windows.
//
// Standard output that is a console gets the text as UTF-16 through
// WriteConsoleW, so the Chinese shows whatever the console's code page. A pipe
// or file gets GBK bytes (code page 936), or UTF-8 where the system's ANSI
// code page is 65001, through the text-mode standard output, which writes
// every line break as CR LF. Clearing touches only a console.
//
// Input is read in binary mode, so a byte 0x1A from a pipe or file is an
// ordinary byte, as on any other system. A CR LF pair reads as one line break
// (what a console's Enter and Windows text files end a line with), so every
// read takes the same characters as on a POSIX system with LF line ends; the
// pause's two reads take the line break of the answer before it and wait
// for the next one. A lone CR stays a CR. From a console, Ctrl+Z ends input.
#include "console/console_platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define NOGDI
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "console/console.h"

namespace {

constexpr std::size_t kPiece = 4096;  // UTF-8 bytes converted at a time
constexpr UINT kGbkCodePage = 936;
constexpr int kCtrlZ = 0x1A;

struct WinConsole {
  HANDLE out = nullptr;        // standard output, when it is a console
  bool console_input = false;  // standard input is a console
  std::array<int, 2> back{};   // bytes given back or read ahead; last first
  std::size_t backs = 0;
};

WinConsole win;

bool IsConsole(HANDLE h) {
  DWORD mode = 0;
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode) != 0;
}

// Calls fn on pieces of the UTF-8 text of at most kPiece bytes, cut only
// where a character starts, so that each piece converts by itself.
template <typename Fn>
void ForEachPiece(std::string_view text, Fn fn) {
  while (!text.empty()) {
    std::size_t n = text.size() < kPiece ? text.size() : kPiece;
    for (int k = 0; k < 3 && n < text.size() &&
                    (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80;
         ++k) {
      --n;
    }
    fn(text.substr(0, n));
    text.remove_prefix(n);
  }
}

// One piece of UTF-8 as UTF-16; a broken sequence becomes U+FFFD.
std::wstring Widen(std::string_view piece) {
  int len = static_cast<int>(piece.size());  // at most kPiece
  int n = MultiByteToWideChar(CP_UTF8, 0, piece.data(), len, nullptr, 0);
  if (n <= 0) return L"";
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, piece.data(), len, wide.data(), n);
  return wide;
}

// Writes one piece to the console, each line break as CR LF.
void WritePiece(std::string_view piece) {
  std::wstring text;
  for (wchar_t c : Widen(piece)) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  const wchar_t* p = text.data();
  std::size_t left = text.size();  // at most 2 * kPiece
  while (left > 0) {
    DWORD done = 0;
    if (!WriteConsoleW(win.out, p, static_cast<DWORD>(left), &done, nullptr) ||
        done == 0) {
      return;  // the console went away; a pipe's write errors go unseen too
    }
    p += done;
    left -= done;
  }
}

// The next byte from the stream, or one given back before.
int NextByte(std::FILE* in) {
  if (win.backs > 0) return win.back[--win.backs];
  int c = std::getc(in);
  if (c == kCtrlZ && win.console_input && in == stdin) return EOF;
  return c;
}

// Room for the byte read ahead after a lone CR and for that CR given back;
// the common part gives back at most one byte after each read.
void GiveBack(int c) {
  if (win.backs < win.back.size()) win.back[win.backs++] = c;
}

}  // namespace

Encoding SystemEncoding() {
  return GetACP() == CP_UTF8 ? Encoding::kUtf8 : Encoding::kGbk;
}

void SettleTerminal(std::FILE* in) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  win.out = IsConsole(out) ? out : nullptr;
  win.console_input = false;
  win.backs = 0;
  // Text mode writes each line break as CR LF, the list core's output too.
  if (_fileno(stdout) >= 0) _setmode(_fileno(stdout), _O_TEXT);
  if (in == nullptr && _fileno(stdin) >= 0) {
    _setmode(_fileno(stdin), _O_BINARY);
    win.console_input = IsConsole(GetStdHandle(STD_INPUT_HANDLE));
  }
}

bool WriteToConsole(std::string_view utf8) {
  if (win.out == nullptr) return false;
  std::fflush(stdout);  // the elements the list core printed come first
  ForEachPiece(utf8, WritePiece);
  return true;
}

int ReadByte(std::FILE* in) {
  int c = NextByte(in);
  if (c != '\r') return c;
  int next = NextByte(in);
  if (next == '\n') return '\n';
  if (next != EOF) GiveBack(next);
  return '\r';
}

void UnreadByte(int c, std::FILE*) { GiveBack(c); }

// Blanks the visible window and puts the cursor at its top; the lines
// scrolled out above it stay, as on a POSIX terminal.
void ClearScreen() {
  if (win.out == nullptr) return;
  std::fflush(stdout);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(win.out, &info)) return;
  COORD top = {0, info.srWindow.Top};
  DWORD rows = static_cast<DWORD>(info.srWindow.Bottom - info.srWindow.Top + 1);
  DWORD cells = rows * static_cast<DWORD>(info.dwSize.X);
  DWORD done = 0;
  FillConsoleOutputCharacterW(win.out, L' ', cells, top, &done);
  FillConsoleOutputAttribute(win.out, info.wAttributes, cells, top, &done);
  SetConsoleCursorPosition(win.out, top);
}

std::string ToGbk(std::string_view utf8) {
  std::string out;
  ForEachPiece(utf8, [&out](std::string_view piece) {
    std::wstring wide = Widen(piece);
    int len = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                len, nullptr, 0, "?", nullptr);
    if (n <= 0) return;
    std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n));
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), len,
                        out.data() + at, n, "?", nullptr);
  });
  return out;
}
