#include "entry/file_io.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "console/console.h"
#include "entry/chain.h"
#include "entry/datafile.h"
#include "entry/replace_file.h"

namespace {

constexpr std::size_t kChunk = 1 << 16;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads the stream from its current position, hands every piece to scan (when
// given) and appends the elements decoded to chain. False on a read error.
bool DecodeStream(std::FILE* f, RecordDecoder* decoder, LayoutScan* scan,
                  Chain* chain) {
  unsigned char buf[kChunk];
  ElemType values[kChunk / kRecordSize + 1];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    if (scan != nullptr) ScanBytes(scan, buf, n);
    std::size_t count = DecodeBytes(decoder, buf, n, values);
    for (std::size_t i = 0; i < count; ++i) AppendNode(chain, values[i]);
  }
  return std::ferror(f) == 0;
}

}  // namespace

// Decodes as plain records while it learns the layout; the rare legacy file
// is then read a second time.
LoadResult LoadChain(const char* name, Chain* chain) {
  // Only a regular file holds records: a named pipe would block the open and
  // a device such as /dev/zero never ends.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(name, ec)) return LoadResult::kCannotOpen;
  File f(std::fopen(name, "rb"));
  if (f == nullptr) return LoadResult::kCannotOpen;
  LayoutScan scan;
  RecordDecoder plain;
  if (!DecodeStream(f.get(), &plain, &scan, chain)) {
    return LoadResult::kReadError;
  }
  if (DecideLayout(scan) == FileLayout::kPlain) return LoadResult::kLoaded;
  FreeChain(chain->first);
  chain->first = chain->last = nullptr;
  RecordDecoder legacy;
  legacy.layout = FileLayout::kLegacyCrLf;
  if (std::fseek(f.get(), 0, SEEK_SET) != 0 ||
      !DecodeStream(f.get(), &legacy, nullptr, chain)) {
    return LoadResult::kReadError;
  }
  return LoadResult::kLoaded;
}

Status ReadF(LNode* headp, const char* name) {
  if (headp == nullptr) return ERROR;
  Chain chain;
  if (LoadChain(name, &chain) != LoadResult::kLoaded) {
    ConsoleWrite("File open error\n ");
    return ERROR;
  }
  ReplaceElements(headp, &chain);
  return OK;
}

Status SaveFile(LNode* headp, const char* name) {
  if (headp == nullptr) return ERROR;
  Replacement out;
  if (BeginReplace(&out, name) != BeginResult::kOk) {
    ConsolePutLine("File open error");
    return ERROR;
  }
  static unsigned char buf[kChunk];
  const LNode* p = headp->next;
  while (p != nullptr) {
    std::size_t n = EncodeRecords(&p, buf, sizeof buf);
    if (!WriteReplace(&out, buf, n)) return ERROR;
  }
  return CommitReplace(&out) ? OK : ERROR;
}
