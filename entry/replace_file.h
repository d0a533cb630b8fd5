// Replacing a file whole, atomically and durably.
//
// Calling sequence: BeginReplace, then WriteReplace as often as needed, then
// CommitReplace. The new content goes to a temporary file in the target's
// directory; only when every write, the flush to disk and the close have
// succeeded is it renamed over the target. Until then the old file is
// untouched. On any failure, or when a Replacement is dropped uncommitted,
// the temporary file is removed.
//
// The target keeps its permission bits (a new file gets the usual ones). A
// target that is a symbolic link stays a link: the file it points to is the
// one replaced, or created if the link dangles.
#ifndef LINKLIST_ENTRY_REPLACE_FILE_H_
#define LINKLIST_ENTRY_REPLACE_FILE_H_

#include <cstddef>
#include <string>

struct Replacement {
  int fd = -1;
  std::string temp_path;
  std::string target;

  Replacement() = default;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  ~Replacement();
};

enum class BeginResult {
  kOk,
  kCannotWrite,  // target is a directory, not writable, or no temporary file
};

BeginResult BeginReplace(Replacement* file, const char* name);

// False when the bytes could not all be written (disk full, size limit).
bool WriteReplace(Replacement* file, const void* data, std::size_t n);

// Flushes, closes and renames over the target. False on any failure; the
// old file is then as it was.
bool CommitReplace(Replacement* file);

// Drops the temporary file; the target stays as it was.
void AbortReplace(Replacement* file);

#endif  // LINKLIST_ENTRY_REPLACE_FILE_H_
