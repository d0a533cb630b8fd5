#include "console/console.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Readable names in failure messages.
static void PrintTo(ReadResult r, std::ostream* os) {
  *os << (r == ReadResult::kOk        ? "kOk"
          : r == ReadResult::kInvalid ? "kInvalid"
                                      : "kEnd");
}
static void PrintTo(Encoding e, std::ostream* os) {
  *os << (e == Encoding::kGbk ? "kGbk" : "kUtf8");
}

namespace {

// Saves the variables the console looks at and puts them back afterwards.
class EnvGuard {
 public:
  EnvGuard() {
    for (Saved& s : saved_) {
      const char* value = std::getenv(s.name);
      if (value != nullptr) s.value = value;
    }
  }
  ~EnvGuard() {
    for (const Saved& s : saved_)
      Set(s.name, s.value ? s.value->c_str() : nullptr);
  }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

  // Sets name to value, or unsets it for null.
  static void Set(const char* name, const char* value) {
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };
  Saved saved_[4] = {
      {"LC_ALL", {}}, {"LC_CTYPE", {}}, {"LANG", {}}, {"TERM", {}}};
};

// The whole content of a file open for reading and writing.
std::string ReadAll(std::FILE* f) {
  std::string out;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) out += static_cast<char>(c);
  return out;
}

// What fn writes to standard output, captured through a temporary file.
std::string CaptureStdout(const std::function<void()>& fn) {
  std::fflush(stdout);
  std::FILE* tmp = std::tmpfile();
  if (tmp == nullptr) {
    ADD_FAILURE() << "tmpfile failed";
    return "";
  }
  int saved = dup(STDOUT_FILENO);
  dup2(fileno(tmp), STDOUT_FILENO);
  fn();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::string out = ReadAll(tmp);
  std::fclose(tmp);
  return out;
}

// An in-memory input stream over text, handed to the console.
class Input {
 public:
  explicit Input(std::string text) : text_(std::move(text)) {
    // fmemopen wants a non-empty buffer; an empty input is a stream that
    // ends at once.
    file_ = text_.empty() ? std::tmpfile()
                          : fmemopen(text_.data(), text_.size(), "r");
    if (file_ == nullptr) ADD_FAILURE() << "cannot open input";
    ConsoleInit(file_);
  }
  ~Input() {
    ConsoleInit(nullptr);
    if (file_ != nullptr) std::fclose(file_);
  }
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  std::FILE* file() const { return file_; }

 private:
  std::string text_;
  std::FILE* file_ = nullptr;
};

// --- set-up -----------------------------------------------------------------

TEST(EncodingForLocale, ChoosesGbkByCodesetOnly) {
  struct Case {
    const char* name;
    Encoding encoding;
  } const cases[] = {
      {"zh_CN.GBK", Encoding::kGbk},
      {"zh_CN.gbk", Encoding::kGbk},
      {"zh_CN.CP936", Encoding::kGbk},
      {"x.ms-936", Encoding::kGbk},
      {"zh_CN.MS_936", Encoding::kGbk},
      {"zh_CN.GB2312", Encoding::kGbk},
      {"zh_CN.gb18030", Encoding::kGbk},
      {"zh_CN.GB-18030", Encoding::kGbk},
      {"zh_CN.EUC-CN", Encoding::kGbk},
      {"zh_CN.euc_cn@euro", Encoding::kGbk},
      {"zh_CN.GBK@stroke", Encoding::kGbk},
      {"zh_CN.UTF-8", Encoding::kUtf8},
      {"zh_CN.utf8", Encoding::kUtf8},
      {"C", Encoding::kUtf8},
      {"C.UTF-8", Encoding::kUtf8},
      {"POSIX", Encoding::kUtf8},
      {"", Encoding::kUtf8},
      {"zh_CN", Encoding::kUtf8},
      {"zh_CN.", Encoding::kUtf8},
      {"en_US.ISO-8859-1", Encoding::kUtf8},
      {"zh_TW.BIG5", Encoding::kUtf8},
      {"zh_CN.GBKX", Encoding::kUtf8},
      {"zh_CN.EUC", Encoding::kUtf8},
      {"zh_CN.UTF-8@GBK", Encoding::kUtf8},
      {"GBK", Encoding::kUtf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodingForLocale(c.name), c.encoding);
  }
}

TEST(LocaleFromEnvironment, TakesTheFirstSetAndNonEmptyVariable) {
  struct Case {
    const char* label;
    const char* lc_all;  // null: unset
    const char* lc_ctype;
    const char* lang;
    const char* locale;
  } const cases[] = {
      {"all set", "zh_CN.GBK", "en_US.UTF-8", "fr_FR.UTF-8", "zh_CN.GBK"},
      {"no LC_ALL", nullptr, "en_US.UTF-8", "zh_CN.GBK", "en_US.UTF-8"},
      {"empty LC_ALL", "", "en_US.UTF-8", "zh_CN.GBK", "en_US.UTF-8"},
      {"only LANG", nullptr, nullptr, "zh_CN.GBK", "zh_CN.GBK"},
      {"empty LC_ALL, LC_CTYPE", "", "", "zh_CN.GBK", "zh_CN.GBK"},
      {"LC_ALL over LANG", "C", nullptr, "zh_CN.GBK", "C"},
      {"none set", nullptr, nullptr, nullptr, ""},
      {"all empty", "", "", "", ""},
  };
  EnvGuard env;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EnvGuard::Set("LC_ALL", c.lc_all);
    EnvGuard::Set("LC_CTYPE", c.lc_ctype);
    EnvGuard::Set("LANG", c.lang);
    EXPECT_EQ(LocaleFromEnvironment(), c.locale);
  }
}

TEST(ConsoleInit, TakesTheEncodingFromTheEnvironment) {
  struct Case {
    const char* label;
    const char* lc_all;
    const char* lang;
    std::string output;  // of "！"
  } const cases[] = {
      {"GBK locale", nullptr, "zh_CN.GBK", "\xA3\xA1"},
      {"LC_ALL overrides", "C", "zh_CN.GBK", "！"},
      {"UTF-8 locale", nullptr, "zh_CN.UTF-8", "！"},
      {"nothing set", nullptr, nullptr, "！"},
  };
  EnvGuard env;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EnvGuard::Set("LC_ALL", c.lc_all);
    EnvGuard::Set("LC_CTYPE", nullptr);
    EnvGuard::Set("LANG", c.lang);
    ConsoleInit();
    EXPECT_EQ(CaptureStdout([] { ConsoleWrite("！"); }), c.output);
  }
  SetConsoleEncoding(Encoding::kUtf8);
}

// --- output -----------------------------------------------------------------

TEST(ToGbk, ConvertsToCodePage936) {
  struct Case {
    const char* label;
    std::string utf8;
    std::string gbk;
  } const cases[] = {
      {"ASCII", "File open error\n\t%d", "File open error\n\t%d"},
      {"empty", "", ""},
      {"fullwidth exclamation", "！", "\xA3\xA1"},
      {"fullwidth colon", "：", "\xA3\xBA"},
      {"ellipsis", "…", "\xA1\xAD"},
      {"farewell", "欢迎下次再使用本系统！",
       "\xBB\xB6\xD3\xAD\xCF\xC2\xB4\xCE\xD4\xD9"
       "\xCA\xB9\xD3\xC3\xB1\xBE\xCF\xB5\xCD\xB3\xA3\xA1"},
      {"mixed", "线性表L1",
       "\xCF\xDF\xD0\xD4\xB1\xED"
       "L1"},
      {"character GBK lacks",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ToGbk(c.utf8), c.gbk);
  }
}

// Longer than any conversion buffer, with a character GBK lacks in the middle.
TEST(ToGbk, ConvertsLongText) {
  std::string utf8;
  std::string gbk;
  for (int i = 0; i < 1000; ++i) {
    utf8 += i == 500 ? "\xF0\x9F\x98\x80" : "！x";
    gbk += i == 500 ? "?" : "\xA3\xA1x";
  }
  EXPECT_TRUE(ToGbk(utf8) == gbk);
}

TEST(ConsoleWrite, WritesInTheChosenEncoding) {
  ConsoleInit(nullptr);
  SetConsoleEncoding(Encoding::kGbk);
  EXPECT_EQ(CaptureStdout([] { ConsoleWrite("文件：…ok"); }),
            "\xCE\xC4\xBC\xFE\xA3\xBA\xA1\xAD"
            "ok");
  EXPECT_EQ(CaptureStdout([] { ConsolePutLine("！"); }), "\xA3\xA1\n");
  EXPECT_EQ(
      CaptureStdout([] { ConsolePrint("文件%s保存成功！\n", "data0.dat"); }),
      "\xCE\xC4\xBC\xFE"
      "data0.dat"
      "\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6\xA3\xA1\n");
  SetConsoleEncoding(Encoding::kUtf8);
  EXPECT_EQ(CaptureStdout([] { ConsoleWrite("文件：…ok"); }), "文件：…ok");
  EXPECT_EQ(CaptureStdout([] { ConsolePrint("%d\t%s\n", -7, "！"); }),
            "-7\t！\n");
}

// Formatted output longer than a small buffer comes out whole.
TEST(ConsolePrint, WritesLongOutputWhole) {
  std::string arg;
  std::string gbk;
  for (int i = 0; i < 400; ++i) {
    arg += "！";
    gbk += "\xA3\xA1";
  }
  ConsoleInit(nullptr);
  SetConsoleEncoding(Encoding::kGbk);
  EXPECT_EQ(CaptureStdout([&] { ConsolePrint("<%s>", arg.c_str()); }),
            "<" + gbk + ">");
  SetConsoleEncoding(Encoding::kUtf8);
  EXPECT_EQ(CaptureStdout([&] { ConsolePrint("<%s>", arg.c_str()); }),
            "<" + arg + ">");
}

TEST(ClearScreen, WritesNothingIntoAFile) {
  EnvGuard env;
  EnvGuard::Set("TERM", "xterm");
  EXPECT_EQ(CaptureStdout([] {
              ConsoleInit(nullptr);
              ClearScreen();
            }),
            "");
}

// Standard output on a pseudo-terminal: the TERM variable decides.
TEST(ClearScreen, ClearsOnlyATerminalThatCan) {
  struct Case {
    const char* label;
    const char* term;
    std::string output;
  } const cases[] = {
      {"xterm", "xterm", "\x1b[H\x1b[2J"},
      {"unset", nullptr, ""},
      {"empty", "", ""},
      {"dumb", "dumb", ""},
  };
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    if (master >= 0) close(master);
    GTEST_SKIP() << "no pseudo-terminal";
  }
  int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  EnvGuard env;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EnvGuard::Set("TERM", c.term);
    std::fflush(stdout);
    int saved = dup(STDOUT_FILENO);
    dup2(slave, STDOUT_FILENO);
    ConsoleInit(nullptr);
    ClearScreen();
    std::fputs("|", stdout);  // marks the end of what ClearScreen wrote
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    std::string out;
    for (;;) {
      pollfd pfd = {master, POLLIN, 0};
      if (poll(&pfd, 1, 10000) <= 0) break;  // guards against a hang only
      char ch;
      if (read(master, &ch, 1) != 1 || ch == '|') break;
      out += ch;
    }
    EXPECT_EQ(out, c.output);
  }
  ConsoleInit(nullptr);
  close(slave);
  close(master);
}

// --- input ------------------------------------------------------------------

enum class Op { kInt, kChar, kPause };

// One read and what it must give. For kInt the value read, for kChar the
// character; ignored for kPause and where nothing may be stored.
struct Step {
  Op op;
  ReadResult result;
  int value = 0;
};

Step Int(int value) { return {Op::kInt, ReadResult::kOk, value}; }
Step Char(char c) { return {Op::kChar, ReadResult::kOk, c}; }
constexpr Step kInvalidInt = {Op::kInt, ReadResult::kInvalid};
constexpr Step kEndInt = {Op::kInt, ReadResult::kEnd};
constexpr Step kEndChar = {Op::kChar, ReadResult::kEnd};
constexpr Step kPaused = {Op::kPause, ReadResult::kOk};
constexpr Step kEndPause = {Op::kPause, ReadResult::kEnd};

// Runs one step; a read that does not succeed must leave its target alone.
void RunStep(const Step& step) {
  constexpr int kUntouchedInt = 4242;
  constexpr char kUntouchedChar = '#';  // appears in no input below
  switch (step.op) {
    case Op::kInt: {
      int value = kUntouchedInt;
      EXPECT_EQ(ReadInt(&value), step.result);
      EXPECT_EQ(value,
                step.result == ReadResult::kOk ? step.value : kUntouchedInt);
      break;
    }
    case Op::kChar: {
      char c = kUntouchedChar;
      EXPECT_EQ(ReadChar(&c), step.result);
      EXPECT_EQ(c, step.result == ReadResult::kOk
                       ? static_cast<char>(step.value)
                       : kUntouchedChar);
      break;
    }
    case Op::kPause:
      EXPECT_EQ(Pause(), step.result == ReadResult::kOk);
      break;
  }
}

// Each input is read by its script of steps; `ended` is InputEnded() after.
TEST(ConsoleRead, FollowsTheFormattedReadScript) {
  struct Case {
    const char* label;
    std::string input;
    std::vector<Step> steps;
    bool ended;
  } const cases[] = {
      {"blanks before", "  12\n", {Int(12), Char('\n')}, false},
      {"line breaks before",
       "\n\n\t 5 6\n",
       {Int(5), Int(6), Char('\n')},
       false},
      {"letters after", "12abc\n", {Int(12), Char('a')}, false},
      {"number at the very end", "12", {Int(12), kEndChar}, true},
      {"minus", "-7\n", {Int(-7)}, false},
      {"plus", "+7\n", {Int(7)}, false},
      {"minus zero", "-0\n", {Int(0)}, false},
      {"zero", "0\n", {Int(0), Char('\n')}, false},
      {"leading zeros", "00000000000000000012\n", {Int(12), Char('\n')}, false},
      {"INT_MAX", "2147483647\n", {Int(2147483647)}, false},
      {"INT_MIN", "-2147483648\n", {Int(-2147483647 - 1)}, false},
      {"INT_MAX + 1", "2147483648\n", {kInvalidInt, Char('\n')}, false},
      {"INT_MIN - 1", "-2147483649\n", {kInvalidInt, Char('\n')}, false},
      {"eleven digits", "10000000000\n", {kInvalidInt, Char('\n')}, false},
      {"twenty digits",
       "99999999999999999999 1\n2\n",
       {kInvalidInt, Char('\n'), Int(2)},
       false},
      {"too large, letters after",
       "2147483648abc\nx",
       {kInvalidInt, Char('\n'), Char('x')},
       false},
      {"not a number",
       "abc def\nxyz",
       {kInvalidInt, Char('\n'), kInvalidInt},
       true},
      {"invalid then a number",
       "x\n5\n",
       {kInvalidInt, Int(5), Char('\n')},
       false},
      {"two numbers, second invalid",
       "3 x 4\n9\n",
       {Int(3), kInvalidInt, Int(9)},
       false},
      {"sign alone", "-\n", {kInvalidInt, Char('\n')}, false},
      {"sign and blank", "- 5\n", {kInvalidInt, Char('\n'), kEndInt}, true},
      {"two signs", "+-5\n", {kInvalidInt, Char('\n')}, false},
      {"empty", "", {kEndInt}, true},
      {"only blanks", "   \n\t", {kEndInt}, true},
      {"plus then end", "+", {kEndInt}, true},
      {"minus then end", " -", {kEndInt}, true},
      {"end is sticky", "", {kEndInt, kEndChar, kEndInt, kEndPause}, true},
      {"characters",
       "a \n",
       {Char('a'), Char(' '), Char('\n'), kEndChar},
       true},
      {"pause takes two", "\nab\n", {kPaused, Char('b')}, false},
      {"pause after a number", "15\n\n7\n", {Int(15), kPaused, Int(7)}, false},
      {"pause meets the end", "a", {kEndPause, kEndChar}, true},
      {"pause on nothing", "", {kEndPause, kEndInt}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Input in(c.input);
    EXPECT_FALSE(InputEnded());
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      SCOPED_TRACE("step " + std::to_string(i + 1));
      RunStep(c.steps[i]);
    }
    EXPECT_EQ(InputEnded(), c.ended);
  }
}

// Once the end has been met, input that turns up later is not read, until
// ConsoleInit starts afresh.
TEST(ConsoleRead, EndOfInputStaysUntilConsoleInit) {
  Input in("7\n");
  RunStep(Int(7));
  RunStep(Char('\n'));
  RunStep(kEndChar);
  std::rewind(in.file());  // the stream has input again
  RunStep(kEndChar);
  RunStep(kEndInt);
  RunStep(kEndPause);
  EXPECT_TRUE(InputEnded());
  ConsoleInit(in.file());
  EXPECT_FALSE(InputEnded());
  RunStep(Int(7));
}

// Output written before a read is out before the read waits.
TEST(ConsoleRead, FlushesStandardOutputFirst) {
  struct Case {
    const char* label;
    std::function<void()> read;
  } const cases[] = {
      {"ReadInt",
       [] {
         int v;
         ReadInt(&v);
       }},
      {"ReadChar",
       [] {
         char ch;
         ReadChar(&ch);
       }},
      {"Pause", [] { Pause(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Input in("1\n");
    std::string seen;
    CaptureStdout([&] {
      std::fputs("prompt", stdout);
      ConsoleWrite("> ");
      c.read();
      // What has reached the file so far, read past the stdio buffer.
      char buf[64];
      ssize_t n = pread(STDOUT_FILENO, buf, sizeof buf, 0);
      if (n > 0) seen.assign(buf, static_cast<std::size_t>(n));
    });
    EXPECT_EQ(seen, "prompt> ");
  }
}

}  // namespace
