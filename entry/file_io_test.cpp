#include "entry/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "entry/datafile.h"
#include "list/list.h"

namespace {

namespace fs = std::filesystem;

// A list built from values, destroyed at the end of the test.
struct TestList {
  LNode* head = nullptr;

  explicit TestList(const std::vector<ElemType>& values) {
    InitList(&head);
    LNode* tail = head;
    for (ElemType v : values) tail = tail->next = NewNode(v);
  }
  TestList(const TestList&) = delete;
  TestList& operator=(const TestList&) = delete;
  ~TestList() { DestroyList(&head); }

  std::vector<ElemType> Values() const {
    std::vector<ElemType> values;
    for (const LNode* p = head->next; p != nullptr; p = p->next) {
      values.push_back(p->data);
    }
    return values;
  }
};

// What body writes to standard output.
std::string Captured(const std::function<void()>& body) {
  std::fflush(stdout);
  std::FILE* sink = std::tmpfile();
  int saved = dup(STDOUT_FILENO);
  dup2(fileno(sink), STDOUT_FILENO);
  body();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::string text;
  std::rewind(sink);
  for (int c; (c = std::fgetc(sink)) != EOF;) text += static_cast<char>(c);
  std::fclose(sink);
  return text;
}

// Runs body in a forked child; its return value is the child's exit status
// (-1 when the child did not exit normally).
int RunInChild(const std::function<int()>& body) {
  std::fflush(stdout);
  pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Hex(const char* text) {
  std::string bytes;
  char* end = nullptr;
  for (const char* p = text; *p != '\0'; p = end) {
    long b = std::strtol(p, &end, 16);
    if (end == p) break;
    bytes += static_cast<char>(b);
  }
  return bytes;
}

constexpr int kSkip = 77;  // child: the test cannot run here

// Each test works in a fresh directory of its own.
class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/entry_test.XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    dir_ = templ;
  }
  void TearDown() override {
    chmod(dir_.c_str(), 0700);
    fs::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // The names in directory sub of the test directory, sorted.
  std::vector<std::string> Entries(const std::string& sub = "") const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(sub.empty() ? dir_ : Path(sub))) {
      names.push_back(e.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  Status Load(TestList& list, const std::string& name, std::string* out) {
    Status s = ERROR;
    *out = Captured([&] { s = ReadF(list.head, Path(name).c_str()); });
    return s;
  }

  Status Save(TestList& list, const std::string& name, std::string* out) {
    Status s = ERROR;
    *out = Captured([&] { s = SaveFile(list.head, Path(name).c_str()); });
    return s;
  }

  std::string dir_;
};

using Names = std::vector<std::string>;

TEST_F(FileIo, SaveWritesRecordsAndLoadGivesThemBack) {
  std::vector<ElemType> values = {10, 26, 13, -1, INT_MIN, INT_MAX};
  TestList saved(values);
  std::string out;
  ASSERT_EQ(Save(saved, "data0.dat", &out), OK);
  EXPECT_EQ(out, "");
  EXPECT_EQ(Read("data0.dat"),
            Hex("0a 00 00 00 01 00 00 00 1a 00 00 00 01 00 00 00 "
                "0d 00 00 00 01 00 00 00 ff ff ff ff 01 00 00 00 "
                "00 00 00 80 01 00 00 00 ff ff ff 7f 00 00 00 00"));
  EXPECT_EQ(Entries(), Names{"data0.dat"});

  TestList loaded({7, 8, 9});
  ASSERT_EQ(Load(loaded, "data0.dat", &out), OK);
  EXPECT_EQ(out, "");
  EXPECT_EQ(loaded.Values(), values);

  // An empty list saved over it leaves an empty file.
  TestList empty({});
  ASSERT_EQ(Save(empty, "data0.dat", &out), OK);
  EXPECT_EQ(Read("data0.dat"), "");
  EXPECT_EQ(Entries(), Names{"data0.dat"});
}

// Long enough that saving and loading take many buffers.
TEST_F(FileIo, RoundTripsLongRandomList) {
  std::mt19937 rng(7);
  std::vector<ElemType> values(30000);
  for (ElemType& v : values) {
    v = static_cast<ElemType>(static_cast<std::int64_t>(rng()) - 0x80000000LL);
  }
  TestList saved(values);
  std::string out;
  ASSERT_EQ(Save(saved, "data2.dat", &out), OK);
  EXPECT_EQ(Read("data2.dat").size(), values.size() * kRecordSize);
  TestList loaded({1});
  ASSERT_EQ(Load(loaded, "data2.dat", &out), OK);
  EXPECT_EQ(loaded.Values(), values);
}

// A legacy file of some 320 KiB that holds 0d 0a at every odd offset from 13
// on, so whatever power-of-two size the reads take, a pair is split between
// two of them.
TEST_F(FileIo, LoadsLegacyFileLongerThanReadBuffers) {
  constexpr int kMiddle = 20000;
  // [10], link 0x0a0a0a0a: 0a 00 00 00 0a 0a 0a 0a
  std::string bytes = Hex("0d 0a 00 00 00 0d 0a 0d 0a 0d 0a 0d 0a");
  // [0x0a0a0a0a], link 0x0a0a0a0a
  for (int i = 0; i < kMiddle; ++i) {
    bytes += Hex("0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a");
  }
  bytes += Hex("0d 0a 0d 0a 0d 0a 0d 0a 00 00 00 00");  // last, link 0
  Write("data0.dat", bytes);
  std::vector<ElemType> want(kMiddle + 2, 0x0A0A0A0A);
  want[0] = 10;

  TestList list({3});
  std::string out;
  ASSERT_EQ(Load(list, "data0.dat", &out), OK);
  EXPECT_EQ(out, "");
  EXPECT_EQ(list.Values(), want);
}

TEST_F(FileIo, FailedLoadLeavesListUnchanged) {
  fs::create_directory(Path("dir.dat"));
  const char* names[] = {"missing.dat", "dir.dat"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    TestList list({7, 8});
    std::string out;
    EXPECT_EQ(Load(list, name, &out), ERROR);
    EXPECT_EQ(out, "File open error\n ");
    EXPECT_EQ(list.Values(), (std::vector<ElemType>{7, 8}));
  }
  EXPECT_EQ(Entries(), Names{"dir.dat"});
}

TEST_F(FileIo, LoadReplacesElements) {
  struct Case {
    const char* label;
    std::string bytes;
    std::vector<ElemType> want;
  } cases[] = {
      {"empty file", "", {}},
      {"short file", Hex("05 00 00 00 00 00 00"), {}},
      {"[1, 2]", Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00"), {1, 2}},
      {"20 bytes",
       Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00 aa bb cc dd"),
       {1, 2}},
      {"legacy [10, 26]",
       Hex("0d 0a 00 00 00 48 0d 0a 3a 00 1a 00 00 00 00 00 00 00"), {10, 26}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Write("data1.dat", c.bytes);
    TestList list({7, 8, 9});
    std::string out;
    ASSERT_EQ(Load(list, "data1.dat", &out), OK);
    EXPECT_EQ(out, "");
    EXPECT_EQ(list.Values(), c.want);
    // Loading again replaces, it does not append.
    ASSERT_EQ(Load(list, "data1.dat", &out), OK);
    EXPECT_EQ(list.Values(), c.want);
    EXPECT_EQ(Read("data1.dat"), c.bytes);
  }
}

TEST_F(FileIo, NoListReadsAndWritesNothing) {
  Write("data0.dat", Hex("05 00 00 00 00 00 00 00"));
  std::string out = Captured([&] {
    EXPECT_EQ(ReadF(nullptr, Path("data0.dat").c_str()), ERROR);
    EXPECT_EQ(SaveFile(nullptr, Path("data0.dat").c_str()), ERROR);
    EXPECT_EQ(SaveFile(nullptr, Path("data1.dat").c_str()), ERROR);
  });
  EXPECT_EQ(out, "");
  EXPECT_EQ(Read("data0.dat"), Hex("05 00 00 00 00 00 00 00"));
  EXPECT_EQ(Entries(), Names{"data0.dat"});
}

TEST_F(FileIo, SaveOverDirectoryFails) {
  fs::create_directory(Path("data1.dat"));
  TestList list({1, 2});
  std::string out;
  EXPECT_EQ(Save(list, "data1.dat", &out), ERROR);
  EXPECT_EQ(out, "File open error\n");
  EXPECT_TRUE(fs::is_directory(Path("data1.dat")));
  EXPECT_EQ(Entries(), Names{"data1.dat"});
  EXPECT_EQ(Entries("data1.dat"), Names{});
}

// Root writes anywhere, so the save runs as nobody when the tests run as root.
TEST_F(FileIo, SaveInReadOnlyDirectoryKeepsOldFile) {
  const std::string old = Hex("03 00 00 00 00 00 00 00");
  Write("data0.dat", old);
  ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
  int code = RunInChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      return kSkip;
    }
    TestList list({1, 2});
    std::string out;
    Status s = Save(list, "data0.dat", &out);
    return (s == ERROR ? 0 : 1) | (out == "File open error\n" ? 0 : 2);
  });
  if (code == kSkip) GTEST_SKIP() << "cannot drop root privileges";
  EXPECT_EQ(code & 1, 0) << "SaveFile did not answer ERROR";
  EXPECT_EQ(code & 2, 0) << "the line \"File open error\" was not written";
  EXPECT_EQ(code & ~3, 0) << "child status " << code;
  EXPECT_EQ(Read("data0.dat"), old);
  EXPECT_EQ(Entries(), Names{"data0.dat"});
}

// With a file size limit the writes stop part way; the save must fail whole.
TEST_F(FileIo, SaveThatCannotWriteAllKeepsOldFile) {
  const std::string old = Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00");
  Write("data0.dat", old);
  for (rlim_t limit : {rlim_t{0}, rlim_t{12}, rlim_t{4096}}) {
    SCOPED_TRACE("limit " + std::to_string(limit));
    int code = RunInChild([&] {
      std::signal(SIGXFSZ, SIG_IGN);
      struct rlimit rl = {limit, limit};
      if (setrlimit(RLIMIT_FSIZE, &rl) != 0) return kSkip;
      TestList list(std::vector<ElemType>(1000, 42));  // 8000 bytes
      std::string out;
      return Save(list, "data0.dat", &out) == ERROR ? 0 : 1;
    });
    ASSERT_NE(code, kSkip);
    EXPECT_EQ(code, 0) << "SaveFile did not answer ERROR";
    EXPECT_EQ(Read("data0.dat"), old);
    EXPECT_EQ(Entries(), Names{"data0.dat"});
  }
}

TEST_F(FileIo, SaveKeepsPermissionBits) {
  Write("data0.dat", "old");
  ASSERT_EQ(chmod(Path("data0.dat").c_str(), 0604), 0);
  TestList list({1});
  std::string out;
  ASSERT_EQ(Save(list, "data0.dat", &out), OK);
  struct stat st;
  ASSERT_EQ(stat(Path("data0.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);

  // A new file gets what the umask leaves of rw-rw-rw-.
  mode_t mask = umask(027);
  Status s = Save(list, "data1.dat", &out);
  umask(mask);
  ASSERT_EQ(s, OK);
  ASSERT_EQ(stat(Path("data1.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Read("data0.dat"), Hex("01 00 00 00 00 00 00 00"));
}

TEST_F(FileIo, SaveThroughSymlinkReplacesTarget) {
  fs::create_directory(Path("sub"));
  Write("sub/real.dat", "old contents");
  fs::create_symlink("sub/real.dat", Path("data0.dat"));
  TestList list({1, 2});
  std::string out;
  ASSERT_EQ(Save(list, "data0.dat", &out), OK);
  EXPECT_EQ(out, "");
  ASSERT_TRUE(fs::is_symlink(Path("data0.dat")));
  EXPECT_EQ(fs::read_symlink(Path("data0.dat")), "sub/real.dat");
  EXPECT_EQ(Read("sub/real.dat"),
            Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00"));
  EXPECT_EQ(Entries(), (Names{"data0.dat", "sub"}));
  EXPECT_EQ(Entries("sub"), Names{"real.dat"});
}

TEST_F(FileIo, SaveThroughDanglingSymlinkCreatesTarget) {
  fs::create_symlink("real.dat", Path("data2.dat"));
  TestList list({5});
  std::string out;
  ASSERT_EQ(Save(list, "data2.dat", &out), OK);
  ASSERT_TRUE(fs::is_symlink(Path("data2.dat")));
  EXPECT_EQ(fs::read_symlink(Path("data2.dat")), "real.dat");
  EXPECT_EQ(Read("real.dat"), Hex("05 00 00 00 00 00 00 00"));
  EXPECT_EQ(Entries(), (Names{"data2.dat", "real.dat"}));
}

}  // namespace
