// Loading and saving data files of 10^3, 10^5 and 10^7 records, in a
// temporary directory that is removed at exit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "bench/sample_list.h"
#include "entry/file_io.h"
#include "list/list.h"

namespace {

// A fresh directory under TMPDIR (or /tmp). It goes at exit, with the files
// named through File().
class TempDir {
 public:
  TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = base != nullptr && *base != '\0' ? base : "/tmp";
    pattern += "/linklist_bench.XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    for (const std::string& file : files_) std::remove(file.c_str());
    if (!path_.empty()) rmdir(path_.c_str());
  }

  bool ok() const { return !path_.empty(); }

  // The path of a file in the directory, for a name and a size.
  std::string File(const char* name, int n) {
    std::string file = path_ + "/" + name + std::to_string(n) + ".dat";
    files_.insert(file);
    return file;
  }

 private:
  std::string path_;
  std::set<std::string> files_;
};

TempDir& Dir() {
  static TempDir dir;
  return dir;
}

// A data file of the n-element sample list, written once; "" when it
// cannot be written.
const std::string& InputFile(int n) {
  static std::map<int, std::string> made;
  auto [it, fresh] = made.try_emplace(n);
  if (fresh && Dir().ok()) {
    std::string path = Dir().File("in", n);
    if (SaveFile(SampleList(n), path.c_str()) == OK) it->second = path;
  }
  return it->second;
}

void CountRecords(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0) * 8);
}

// Loads into an empty list; clearing it again is not counted.
void BM_ReadF(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  const std::string& path = InputFile(n);
  if (path.empty()) {
    state.SkipWithError("cannot write the input file");
    return;
  }
  LNode* head = nullptr;
  InitList(&head);
  for (auto _ : state) {
    TimeOnly(state, [&] {
      benchmark::DoNotOptimize(ReadF(head, path.c_str()));
    });
    ClearList(head);
  }
  DestroyList(&head);
  CountRecords(state);
}
BENCHMARK(BM_ReadF)->Apply(SampleSizes)->UseManualTime();

// Saves over the file the last iteration wrote, as a save after a save
// does: temporary file, flush to disk, rename.
void BM_SaveFile(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  LNode* head = SampleList(n);
  if (!Dir().ok()) {
    state.SkipWithError("cannot make a temporary directory");
    return;
  }
  std::string path = Dir().File("out", n);
  for (auto _ : state) benchmark::DoNotOptimize(SaveFile(head, path.c_str()));
  CountRecords(state);
}
BENCHMARK(BM_SaveFile)->Apply(SampleSizes);

}  // namespace
