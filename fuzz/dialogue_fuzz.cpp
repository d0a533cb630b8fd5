// Arbitrary bytes as standard input to the whole menu dialogue, in process.
// Every input must come to an end (the end of the input always ends the
// dialogue) with no sanitizer report and no leak. The list core's fatal exit
// (exit status -2) is turned into an exception and counts as a normal end.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "list/list.h"
#include "menu/listset.h"
#include "menu/menu.h"

namespace {

struct FatalExit {};

void ThrowFatal() { throw FatalExit{}; }

void RemoveDataFiles() {
  for (const char* name : {"data0.dat", "data1.dat", "data2.dat"}) {
    std::remove(name);
  }
}

// The dialogue works in a directory of its own, so corpus folders, files and
// crash reports named on the command line are made absolute first.
void AbsoluteArguments(int* argc, char*** argv) {
  static std::vector<std::string> args;
  static std::vector<char*> pointers;
  std::string cwd = std::filesystem::current_path().string() + "/";
  bool has_prefix = false;
  for (int i = 0; i < *argc; ++i) {
    std::string arg = (*argv)[i];
    if (arg.rfind("-artifact_prefix=", 0) == 0) has_prefix = true;
    if (i > 0 && !arg.empty() && arg[0] != '-' && arg[0] != '/') {
      arg = cwd + arg;
    }
    args.push_back(arg);
  }
  if (!has_prefix) args.push_back("-artifact_prefix=" + cwd);
  for (std::string& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  *argc = static_cast<int>(args.size());
  *argv = pointers.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  AbsoluteArguments(argc, argv);
  // A working directory of our own for the data files, and the dialogue's
  // output out of the way.
  static std::string dir = "/tmp/linklist-fuzz-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr || chdir(dir.c_str()) != 0) std::abort();
  std::atexit([] { std::filesystem::remove_all(dir); });
  int null = open("/dev/null", O_WRONLY);
  if (null < 0 || dup2(null, STDOUT_FILENO) < 0) std::abort();
  close(null);
  SetListFatalHandler(ThrowFatal);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  RemoveDataFiles();
  std::FILE* in = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "r")
                           : std::fopen("/dev/null", "r");
  if (in == nullptr) std::abort();
  ConsoleInit(in);
  Sqlist set = MakeListSet();
  try {
    RunMenu(set);
  } catch (const FatalExit&) {
  }
  std::fflush(stdout);
  FreeListSet(&set);
  std::fclose(in);
  return 0;
}
