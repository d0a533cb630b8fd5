#include "entry/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kMaxLinks = 40;

std::string DirName(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Follows symbolic links from name to the file that is to be replaced. False
// when a link cannot be read or the chain is too long.
bool ResolveTarget(const char* name, std::string* target) {
  std::string path = name;
  for (int depth = 0; depth < kMaxLinks; ++depth) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      *target = path;
      return true;
    }
    std::vector<char> buf(static_cast<std::size_t>(st.st_size) + 256);
    ssize_t len = readlink(path.c_str(), buf.data(), buf.size());
    if (len < 0 || static_cast<std::size_t>(len) >= buf.size()) return false;
    std::string link(buf.data(), static_cast<std::size_t>(len));
    path = link.front() == '/' ? link : DirName(path) + "/" + link;
  }
  return false;
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// The mode the new file gets: the old file's permission bits, or the usual
// ones for a new file. False when the target cannot be written in place.
bool TargetMode(const std::string& target, mode_t* mode, struct stat* st) {
  if (stat(target.c_str(), st) != 0) {
    if (errno != ENOENT) return false;
    *mode = NewFileMode();
    return true;
  }
  if (!S_ISREG(st->st_mode) || access(target.c_str(), W_OK) != 0) return false;
  *mode = st->st_mode & 07777;
  return true;
}

void SyncDirectory(const std::string& dir) {
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

Replacement::~Replacement() { AbortReplace(this); }

BeginResult BeginReplace(Replacement* file, const char* name) {
  // A write past the file size limit should fail the save, not end the
  // program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::string target;
  struct stat st = {};
  mode_t mode = 0;
  if (!ResolveTarget(name, &target) || !TargetMode(target, &mode, &st)) {
    return BeginResult::kCannotWrite;
  }
  std::string temp = target + ".tmpXXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return BeginResult::kCannotWrite;
  file->fd = fd;
  file->temp_path = temp;
  file->target = target;
  if (fchmod(fd, mode) != 0) {
    AbortReplace(file);
    return BeginResult::kCannotWrite;
  }
  if (st.st_nlink > 0 && (st.st_uid != geteuid() || st.st_gid != getegid())) {
    // Best effort: the old owner is kept where the user may keep it.
    int rc = fchown(fd, st.st_uid, st.st_gid);
    static_cast<void>(rc);
  }
  return BeginResult::kOk;
}

bool WriteReplace(Replacement* file, const void* data, std::size_t n) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    ssize_t done = write(file->fd, p, n);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    p += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

bool CommitReplace(Replacement* file) {
  if (file->fd < 0) return false;
  bool ok = fsync(file->fd) == 0;
  ok = close(file->fd) == 0 && ok;  // a full disk may show only here
  file->fd = -1;
  if (!ok || std::rename(file->temp_path.c_str(), file->target.c_str()) != 0) {
    AbortReplace(file);
    return false;
  }
  file->temp_path.clear();
  SyncDirectory(DirName(file->target));
  return true;
}

void AbortReplace(Replacement* file) {
  if (file->fd >= 0) close(file->fd);
  file->fd = -1;
  if (!file->temp_path.empty()) unlink(file->temp_path.c_str());
  file->temp_path.clear();
}
