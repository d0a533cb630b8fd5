// Replacing a file on Windows: the temporary file is created beside the
// target, flushed with FlushFileBuffers, closed, and moved over the target by
// MoveFileExW with write-through. Names are taken in the ANSI code page, as
// the C library's fopen takes them, so a save and a load name the same file.
//
// The target keeps its hidden, system and not-indexed attributes; a read-only
// target cannot be written, as fopen could not open it for writing. A
// symbolic link is followed to the file it ends at; a dangling one cannot be.
#include "entry/replace_file.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define NOGDI
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kTempTries = 100;
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr std::size_t kMaxWrite = 1 << 20;  // bytes per _write call

// The text in code page cp as UTF-16; empty when it does not convert.
std::wstring Widen(const std::string& s, UINT cp) {
  int n = MultiByteToWideChar(cp, 0, s.c_str(), -1, nullptr, 0);
  if (n <= 0) return L"";
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, s.c_str(), -1, out.data(), n);
  out.pop_back();  // the terminating null
  return out;
}

// The UTF-16 text as UTF-8, the form kept in a Replacement.
std::string Utf8(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr,
                              nullptr);
  if (n <= 0) return "";
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.pop_back();
  return out;
}

// The path of the file a symbolic link ends at. False when it ends nowhere.
bool FinalPath(const std::wstring& link, std::wstring* path, DWORD* attributes) {
  HANDLE h = CreateFileW(link.c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  std::vector<wchar_t> buf(MAX_PATH);
  DWORD n = GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n >= buf.size()) {
    buf.resize(n + 1);
    n = GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  bool ok = n > 0 && n < buf.size() && GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!ok) return false;
  path->assign(buf.data(), n);
  *attributes = info.dwFileAttributes;
  return true;
}

// The file to replace and its attributes (0 for a new file). False when it
// cannot be written in place: a directory, read-only, or not to be found.
bool ResolveTarget(const std::wstring& name, std::wstring* target,
                   DWORD* attributes) {
  *target = name;
  *attributes = GetFileAttributesW(name.c_str());
  if (*attributes == INVALID_FILE_ATTRIBUTES) {
    *attributes = 0;
    return GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  if ((*attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
      !FinalPath(name, target, attributes)) {
    return false;
  }
  return (*attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// A name for the temporary file that is not likely to be taken.
std::wstring TempName(const std::wstring& target, int attempt) {
  std::uint64_t seed = GetTickCount64() ^ (std::uint64_t{GetCurrentProcessId()} << 20) ^
                       (static_cast<std::uint64_t>(attempt) * 0x9E3779B97F4A7C15u);
  wchar_t suffix[16];
  std::swprintf(suffix, sizeof suffix / sizeof suffix[0], L".tmp%06X",
                static_cast<unsigned>(seed & 0xFFFFFF));
  return target + suffix;
}

// Creates the temporary file, which nobody else may open while it is written.
HANDLE CreateTemp(const std::wstring& target, DWORD attributes, std::wstring* temp) {
  for (int attempt = 0; attempt < kTempTries; ++attempt) {
    *temp = TempName(target, attempt);
    HANDLE h = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | (attributes & kKeptAttributes),
                           nullptr);
    if (h != INVALID_HANDLE_VALUE) return h;
    DWORD e = GetLastError();
    if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

Replacement::~Replacement() { AbortReplace(this); }

BeginResult BeginReplace(Replacement* file, const char* name) {
  std::wstring target;
  std::wstring temp;
  DWORD attributes = 0;
  std::wstring wide = Widen(name, CP_ACP);
  if (wide.empty() || !ResolveTarget(wide, &target, &attributes)) {
    return BeginResult::kCannotWrite;
  }
  HANDLE h = CreateTemp(target, attributes, &temp);
  if (h == INVALID_HANDLE_VALUE) return BeginResult::kCannotWrite;
  int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(h), _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    DeleteFileW(temp.c_str());
    return BeginResult::kCannotWrite;
  }
  file->fd = fd;
  file->temp_path = Utf8(temp);
  file->target = Utf8(target);
  return BeginResult::kOk;
}

bool WriteReplace(Replacement* file, const void* data, std::size_t n) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    unsigned chunk = static_cast<unsigned>(n < kMaxWrite ? n : kMaxWrite);
    int done = _write(file->fd, p, chunk);
    if (done <= 0) return false;
    p += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

bool CommitReplace(Replacement* file) {
  if (file->fd < 0) return false;
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(file->fd));
  bool ok = h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) != 0;
  ok = _close(file->fd) == 0 && ok;  // a full disk may show only here
  file->fd = -1;
  if (!ok || !MoveFileExW(Widen(file->temp_path, CP_UTF8).c_str(),
                          Widen(file->target, CP_UTF8).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    AbortReplace(file);
    return false;
  }
  file->temp_path.clear();
  return true;
}

void AbortReplace(Replacement* file) {
  if (file->fd >= 0) _close(file->fd);
  file->fd = -1;
  if (!file->temp_path.empty()) DeleteFileW(Widen(file->temp_path, CP_UTF8).c_str());
  file->temp_path.clear();
}
