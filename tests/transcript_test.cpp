// End-to-end transcripts: starts the built linklist on each case in the
// transcript folder (format in transcripts/README.md) in a fresh temporary
// directory with a pinned environment, and compares standard output byte for
// byte, the exit status, standard error (must be empty) and the files left.
//
// One test per file and locale, named Transcripts.<file>_<utf8|gbk|raw>, so
// --gtest_filter picks a subset. LINKLIST_TEST_WRAPPER, when set, is split on
// spaces and put in front of the program (valgrind, say).
//
// Faults are injected from outside the program: resource limits set in the
// child before it starts (a file size limit makes saves fail part way, an
// address-space limit makes allocations fail), and hostile set-up files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The menu drawn before every choice when standard output is not a terminal:
// two empty lines, the eleven menu lines and the prompt.
const std::string kMenu =
    "\n\n"
    "      Menu for Linear Table On Sequence Structure \n"
    "-------------------------------------------------\n"
    "    \t  1. IntiaList       8. PriorElem\n"
    "    \t  2. DestroyList     9. NextElem \n"
    "    \t  3. ClearList       10. ListInsert\n"
    "    \t  4. ListEmpty       11. ListDelete\n"
    "    \t  5. ListLength      12. ListTrabverse\n"
    "    \t  6. GetElem         13. InputElem\n"
    "    \t  7. LocateElem      14. ReadFile\n"
    "    \t  15. SaveFile       0. Exit\n"
    "-------------------------------------------------\n"
    "    请选择你的操作[0~15]:";
const std::string kFarewell = "欢迎下次再使用本系统！\n";
const std::string kClearScreen = "\x1b[H\x1b[2J";

constexpr int kTimeoutSeconds = 20;
constexpr int kWrappedTimeoutSeconds = 300;
// A wrapped run gets this many times a transcript's own timeout.
constexpr int kWrappedTimeoutFactor = kWrappedTimeoutSeconds / kTimeoutSeconds;

// A sanitized program reserves terabytes of address space for its shadow
// memory, so an address-space limit cannot apply to it honestly.
#ifdef LINKLIST_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// ---------------------------------------------------------------------------
// Transcript records

enum class Locale { kBoth, kUtf8, kGbk, kRaw };

// A file of pseudo-random bytes, made again from its size and seed whenever
// it is needed, so a big one is never held in memory.
struct RandomBytes {
  std::uint64_t size = 0;
  std::uint64_t seed = 0;
};

struct SetupEntry {
  std::string name;
  enum Kind { kFile, kDir, kSymlink, kRandom, kFifo } kind;
  std::string content;  // file bytes, or the symlink's target
  RandomBytes random;   // kRandom only
};

// What must be left under one name; a name may be both a link and a file.
struct ExpectedEntry {
  std::optional<std::string> file;  // bytes, read through symlinks
  std::optional<RandomBytes> random;  // or the random bytes it was set up with
  bool dir = false;
  bool fifo = false;
  std::optional<std::string> link;  // symlink target text
};

// A resource limit for the program, soft and hard alike.
struct Limit {
  int resource;  // RLIMIT_FSIZE or RLIMIT_AS
  rlimit value;
};

struct Transcript {
  std::string name;
  Locale locale = Locale::kBoth;
  bool expect_gbk = false;  // raw runs: the program should speak GBK
  std::vector<std::pair<std::string, std::string>> env;
  std::vector<SetupEntry> setup;
  std::vector<Limit> limits;
  int timeout_seconds = kTimeoutSeconds;
  std::string input;
  std::string output;
  int status = 0;
  std::map<std::string, ExpectedEntry> files;
};

// One way to run a transcript.
struct Variant {
  std::string suffix;     // utf8, gbk or raw
  const char* lc_all;     // nullptr: no locale variable at all
  bool gbk;               // stdin and expected stdout converted to GBK
};

// ---------------------------------------------------------------------------
// Byte helpers

// Converts between encodings with iconv. False when the text does not
// convert; *out is then unspecified.
bool Convert(const char* to, const char* from, std::string_view in,
             std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->clear();
  std::string buf(in);
  char* src = buf.data();
  size_t src_left = buf.size();
  bool ok = true;
  while (src_left > 0) {
    char chunk[256];
    char* dst = chunk;
    size_t dst_left = sizeof chunk;
    size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out->append(chunk, static_cast<size_t>(dst - chunk));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  return ok;
}

// Length of the well-formed UTF-8 sequence at s[i], or 0.
size_t Utf8Length(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return len;
}

// Control bytes, backslashes and bytes that are not UTF-8 escaped; the rest
// as it is.
std::string Escape(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t len = Utf8Length(s, i);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (len == 0 || c < 0x20 || c == 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
      len = 1;
    } else {
      out.append(s.substr(i, len));
    }
    i += len;
  }
  return out;
}

std::string Hex(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02x", c);
    if (!out.empty()) out += ' ';
    out += hex;
  }
  return out;
}

// The bytes of a random file, in pieces: splitmix64 from the seed, each
// 64-bit output stored little-endian. Fixed here, so a file is the same on
// every host and in every run.
class RandomStream {
 public:
  explicit RandomStream(std::uint64_t seed) : state_(seed) {}

  // Fills out with the next n bytes. Only the last piece of a file may have
  // a size that is not a multiple of 8.
  void Next(unsigned char* out, size_t n) {
    for (size_t i = 0; i < n; i += 8) {
      std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
      z ^= z >> 31;
      for (size_t k = 0; k < 8 && i + k < n; ++k) {
        out[i + k] = static_cast<unsigned char>(z >> (8 * k));
      }
    }
  }

 private:
  std::uint64_t state_;
};

constexpr size_t kRandomPiece = size_t{1} << 20;

// Start of the character that holds byte i: UTF-8 continuation bytes are
// skipped back; GBK is scanned from the start since its trail bytes are
// ambiguous.
size_t CharStart(std::string_view s, size_t i, bool gbk) {
  if (!gbk) {
    while (i > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    return i;
  }
  size_t p = 0;
  while (p < i) {
    size_t len = static_cast<unsigned char>(s[p]) >= 0x81 ? 2 : 1;
    if (p + len > i) break;
    p += len;
  }
  return p;
}

// One side of a window: text, with GBK shown as its UTF-8 original where it
// converts and as hex otherwise.
std::string Readable(std::string_view s, bool gbk) {
  std::string utf8;
  if (!gbk) return Escape(s);
  if (Convert("UTF-8", "GBK", s, &utf8)) return Escape(utf8);
  return "<hex " + Hex(s) + ">";
}

// A readable window of s around byte offset at, with [HERE] before the
// character that holds that byte.
std::string Around(std::string_view s, size_t at, bool gbk) {
  constexpr size_t kBefore = 60, kAfter = 40;
  size_t lo = CharStart(s, at > kBefore ? at - kBefore : 0, gbk);
  size_t mid = CharStart(s, at, gbk);
  size_t hi = std::min(s.size(), at + kAfter);
  if (hi < s.size()) hi = CharStart(s, hi, gbk);
  return "\"" + Readable(s.substr(lo, mid - lo), gbk) + "[HERE]" +
         Readable(s.substr(mid, hi - mid), gbk) + "\"";
}

// Empty when the two agree; else the first differing offset, the lengths and
// both sides around it.
std::string DescribeMismatch(std::string_view expected, std::string_view actual,
                             bool gbk) {
  if (expected == actual) return "";
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  size_t line = 1 + static_cast<size_t>(std::count(expected.begin(), expected.begin() + at, '\n'));
  std::ostringstream os;
  os << "first difference at byte " << at << " (output line " << line << "); expected "
     << expected.size() << " bytes, got " << actual.size()
     << (gbk ? " (GBK bytes shown as UTF-8)" : "") << "\n";
  auto side = [&](std::string_view s) {
    if (at < s.size()) return Around(s, at, gbk);
    return Around(s, s.size(), gbk) + " (ends there)";
  };
  os << "  expected: " << side(expected) << "\n";
  os << "    actual: " << side(actual) << "\n";
  return os.str();
}

// ---------------------------------------------------------------------------
// Parsing

struct ParseError {
  int line;
  std::string message;
};

std::vector<std::string> Tokens(std::string_view line) {
  std::vector<std::string> out;
  std::istringstream is{std::string(line)};
  std::string tok;
  while (is >> tok) {
    if (tok[0] == '#') break;  // the rest of the line is a comment
    out.push_back(tok);
  }
  return out;
}

bool IsBlankOrComment(std::string_view line) {
  size_t p = line.find_first_not_of(" \t\r");
  return p == std::string_view::npos || line[p] == '#';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A count written in decimal, optionally with K, M or G (powers of 1024):
// "16", "64M". Nothing when it is malformed or does not fit 64 bits.
std::optional<std::uint64_t> ParseCount(const std::string& t) {
  std::uint64_t v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end == t.data()) return std::nullopt;
  std::string_view unit(end, static_cast<size_t>(t.data() + t.size() - end));
  static const std::map<std::string_view, int> kShifts = {
      {"", 0}, {"K", 10}, {"M", 20}, {"G", 30}};
  auto it = kShifts.find(unit);
  if (it == kShifts.end() || v > (UINT64_MAX >> it->second)) return std::nullopt;
  return v << it->second;
}

// Appends the bytes of hex tokens such as "0a" "FF".
std::optional<ParseError> ParseHex(const std::vector<std::string>& tokens, size_t from,
                                   int line, std::string* out) {
  for (size_t i = from; i < tokens.size(); ++i) {
    const std::string& t = tokens[i];
    if (t.size() != 2 || HexDigit(t[0]) < 0 || HexDigit(t[1]) < 0) {
      return ParseError{line, "not a hex byte: '" + t + "'"};
    }
    out->push_back(static_cast<char>(HexDigit(t[0]) * 16 + HexDigit(t[1])));
  }
  return std::nullopt;
}

// Decodes one line of a text section into out. *joined is set when the line
// ends in an unescaped backslash, i.e. contributes no line break.
std::optional<ParseError> DecodeTextLine(std::string_view s, int line, std::string* out,
                                         bool* joined) {
  *joined = false;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '{') {
      if (s.substr(i, 6) != "{menu}") return ParseError{line, "'{' starts no macro (write \\{)"};
      *out += kMenu;
      i += 5;
      continue;
    }
    if (c != '\\') {
      *out += c;
      continue;
    }
    if (i + 1 == s.size()) {
      *joined = true;
      return std::nullopt;
    }
    char e = s[++i];
    switch (e) {
      case 't': *out += '\t'; break;
      case 's': *out += ' '; break;
      case '\\': *out += '\\'; break;
      case '{': *out += '{'; break;
      case 'x': {
        int hi = i + 1 < s.size() ? HexDigit(s[i + 1]) : -1;
        int lo = i + 2 < s.size() ? HexDigit(s[i + 2]) : -1;
        if (hi < 0 || lo < 0) return ParseError{line, "\\x needs two hex digits"};
        *out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default:
        return ParseError{line, std::string("unknown escape \\") + e};
    }
  }
  return std::nullopt;
}

// A relative path inside the run directory: no leading '/', no empty, "." or
// ".." components.
bool IsPlainPath(const std::string& name) {
  if (name.empty() || name[0] == '/') return false;
  std::istringstream is(name);
  std::string part;
  while (std::getline(is, part, '/')) {
    if (part.empty() || part == "." || part == "..") return false;
  }
  return name.back() != '/';
}

struct Parser {
  Transcript* t = nullptr;
  enum Section { kNone, kStdin, kStdout, kStatus, kFile, kDir, kLink } section = kNone;
  std::string* text = nullptr;     // stdin or stdout being filled
  std::string* file = nullptr;     // file body being filled
  std::set<std::string> seen;      // sections met, for duplicates

  std::optional<ParseError> Directive(const std::vector<std::string>& tok, int line) {
    const std::string& d = tok[0];
    if (d == "locale" && tok.size() == 2) {
      static const std::map<std::string, Locale> kNames = {
          {"both", Locale::kBoth}, {"utf8", Locale::kUtf8}, {"gbk", Locale::kGbk},
          {"raw", Locale::kRaw}};
      auto it = kNames.find(tok[1]);
      if (it == kNames.end()) return ParseError{line, "unknown locale '" + tok[1] + "'"};
      t->locale = it->second;
    } else if (d == "expect" && tok.size() == 2 && tok[1] == "gbk") {
      t->expect_gbk = true;
    } else if (d == "env" && tok.size() == 2) {
      size_t eq = tok[1].find('=');
      if (eq == 0 || eq == std::string::npos) return ParseError{line, "env wants NAME=VALUE"};
      t->env.emplace_back(tok[1].substr(0, eq), tok[1].substr(eq + 1));
    } else if (d == "setup" && tok.size() >= 3) {
      return Setup(tok, line);
    } else if (d == "limit" && tok.size() == 3) {
      return LimitLine(tok, line);
    } else if (d == "timeout" && tok.size() == 2) {
      std::optional<std::uint64_t> v = ParseCount(tok[1]);
      if (!v || *v == 0 || *v > 3600) return ParseError{line, "timeout wants 1..3600 seconds"};
      t->timeout_seconds = static_cast<int>(*v);
    } else {
      return ParseError{line, "unknown or malformed directive '" + d + "'"};
    }
    return std::nullopt;
  }

  std::optional<ParseError> Setup(const std::vector<std::string>& tok, int line) {
    SetupEntry e{tok[1], SetupEntry::kFile, "", {}};
    if (!IsPlainPath(e.name)) return ParseError{line, "bad name '" + e.name + "'"};
    if (tok[2] == "hex") {
      if (auto err = ParseHex(tok, 3, line, &e.content)) return err;
    } else if (tok[2] == "dir" && tok.size() == 3) {
      e.kind = SetupEntry::kDir;
    } else if (tok[2] == "fifo" && tok.size() == 3) {
      e.kind = SetupEntry::kFifo;
    } else if (tok[2] == "symlink" && tok.size() == 4) {
      e.kind = SetupEntry::kSymlink;
      e.content = tok[3];
    } else if (tok[2] == "random" && tok.size() == 5) {
      std::optional<std::uint64_t> size = ParseCount(tok[3]), seed = ParseCount(tok[4]);
      if (!size || !seed) return ParseError{line, "random wants a size and a seed"};
      e.kind = SetupEntry::kRandom;
      e.random = {*size, *seed};
    } else {
      return ParseError{line,
                        "setup wants NAME hex BYTES..., NAME dir, NAME fifo, NAME symlink TARGET "
                        "or NAME random SIZE SEED"};
    }
    t->setup.push_back(e);
    return std::nullopt;
  }

  std::optional<ParseError> LimitLine(const std::vector<std::string>& tok, int line) {
    static const std::map<std::string, int> kResources = {{"fsize", RLIMIT_FSIZE},
                                                          {"as", RLIMIT_AS}};
    auto it = kResources.find(tok[1]);
    std::optional<std::uint64_t> bytes = ParseCount(tok[2]);
    if (it == kResources.end() || !bytes || *bytes >= RLIM_INFINITY) {
      return ParseError{line, "limit wants fsize or as, and a size in bytes"};
    }
    for (const Limit& l : t->limits) {
      if (l.resource == it->second) return ParseError{line, "repeated limit '" + tok[1] + "'"};
    }
    rlim_t v = static_cast<rlim_t>(*bytes);
    t->limits.push_back({it->second, {v, v}});
    return std::nullopt;
  }

  // "file NAME unchanged": NAME must hold exactly the bytes it was set up
  // with, which must be a hex or random file.
  std::optional<ParseError> Unchanged(const std::string& name, int line, ExpectedEntry* e) {
    auto same = [&](const SetupEntry& s) { return s.name == name; };
    auto it = std::find_if(t->setup.rbegin(), t->setup.rend(), same);
    if (it == t->setup.rend() || it->kind == SetupEntry::kDir || it->kind == SetupEntry::kSymlink) {
      return ParseError{line, "'unchanged' wants a file set up with hex or random"};
    }
    if (it->kind == SetupEntry::kRandom) {
      e->random = it->random;
    } else {
      e->file = it->content;
    }
    return std::nullopt;
  }

  std::optional<ParseError> Header(const std::vector<std::string>& tok, int line) {
    if (tok.empty()) return ParseError{line, "section header without a name"};
    const std::string& s = tok[0];
    std::string key = tok.size() > 1 && s != "status" ? s + " " + tok[1] : s;
    if (!seen.insert(key).second) return ParseError{line, "repeated section '" + key + "'"};
    text = nullptr;
    file = nullptr;
    if ((s == "stdin" || s == "stdout") && tok.size() == 1) {
      section = s == "stdin" ? kStdin : kStdout;
      text = s == "stdin" ? &t->input : &t->output;
      return std::nullopt;
    }
    if (s == "status" && tok.size() == 2) {
      char* end = nullptr;
      long v = std::strtol(tok[1].c_str(), &end, 10);
      if (*end != '\0' || v < 0 || v > 255) return ParseError{line, "status wants 0..255"};
      t->status = static_cast<int>(v);
      section = kStatus;
      return std::nullopt;
    }
    bool unchanged = s == "file" && tok.size() == 3 && tok[2] == "unchanged";
    bool named = (s == "file" || s == "dir" || s == "fifo") ? tok.size() == 2
                                                            : s == "link" && tok.size() == 3;
    if (!named && !unchanged) return ParseError{line, "unknown or malformed section '" + s + "'"};
    if (!IsPlainPath(tok[1])) return ParseError{line, "bad name '" + tok[1] + "'"};
    ExpectedEntry& e = t->files[tok[1]];
    if (unchanged) {
      section = kFile;  // with no body: text in it is an error
      if (auto err = Unchanged(tok[1], line, &e)) return err;
    } else if (s == "file") {
      section = kFile;
      e.file = "";
      file = &*e.file;
    } else if (s == "dir") {
      section = kDir;
      e.dir = true;
    } else if (s == "fifo") {
      section = kDir;  // no body either
      e.fifo = true;
    } else {
      section = kLink;
      e.link = tok[2];
    }
    if (e.dir && (e.file || e.random || e.link)) {
      return ParseError{line, "a dir cannot also be a file or link"};
    }
    return std::nullopt;
  }

  std::optional<ParseError> Line(std::string_view s, int line) {
    if (s.substr(0, 3) == "---") return Header(Tokens(s.substr(3)), line);
    if (text) {
      bool joined = false;
      if (auto err = DecodeTextLine(s, line, text, &joined)) return err;
      if (!joined) *text += '\n';
      return std::nullopt;
    }
    if (IsBlankOrComment(s)) return std::nullopt;
    if (file) return ParseHex(Tokens(s), 0, line, file);
    if (section != kNone) return ParseError{line, "unexpected text in this section"};
    return Directive(Tokens(s), line);
  }
};

std::optional<ParseError> ParseTranscript(const std::string& content, Transcript* t) {
  Parser p;
  p.t = t;
  int line = 0;
  size_t pos = 0;
  while (pos < content.size()) {
    size_t nl = content.find('\n', pos);
    size_t end = nl == std::string::npos ? content.size() : nl;
    if (auto err = p.Line(std::string_view(content).substr(pos, end - pos), ++line)) return err;
    pos = end + 1;
  }
  if (t->expect_gbk && t->locale != Locale::kRaw) {
    return ParseError{0, "'expect gbk' is for locale raw only"};
  }
  return std::nullopt;
}

std::vector<Variant> VariantsOf(const Transcript& t) {
  const Variant utf8{"utf8", "C.UTF-8", false};
  const Variant gbk{"gbk", "zh_CN.GBK", true};
  switch (t.locale) {
    case Locale::kBoth: return {utf8, gbk};
    case Locale::kUtf8: return {utf8};
    case Locale::kGbk: return {gbk};
    case Locale::kRaw: return {{"raw", nullptr, t.expect_gbk}};
  }
  return {};
}

// ---------------------------------------------------------------------------
// Running the program

struct RunRequest {
  std::vector<std::string> argv;
  std::vector<std::string> env;
  std::string dir;
  std::string input;
  bool pty = false;  // stdout on a pseudo-terminal instead of a pipe
  int timeout_seconds = kTimeoutSeconds;
  std::vector<Limit> limits;
};

struct RunResult {
  std::string out;
  std::string err;
  bool timed_out = false;
  int exit_status = -1;  // when it exited
  int signal = 0;        // when a signal ended it
  std::string failure;   // the run itself could not be set up
};

std::vector<std::string> Wrapper() {
  std::vector<std::string> words;
  const char* w = std::getenv("LINKLIST_TEST_WRAPPER");
  if (w == nullptr) return words;
  std::istringstream is(w);
  std::string word;
  while (is >> word) words.push_back(word);
  return words;
}

// The program's command line, with the wrapper in front, and its timeout:
// the given one, or so many times that under a wrapper.
void ProgramLine(RunRequest* run, int timeout_seconds = kTimeoutSeconds) {
  run->argv = Wrapper();
  run->timeout_seconds = timeout_seconds * (run->argv.empty() ? 1 : kWrappedTimeoutFactor);
  run->argv.push_back(LINKLIST_PROGRAM);
}

std::vector<char*> CStrings(std::vector<std::string>& v) {
  std::vector<char*> out;
  for (std::string& s : v) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// In the child, after fork: only calls that are safe there.
[[noreturn]] void ChildFails(const char* msg, size_t len, int status) {
  ssize_t ignored = write(2, msg, len);
  (void)ignored;
  _exit(status);
}

// In the child: wires the descriptors, sets the limits and starts the
// program. Never returns. Under a file size limit SIGXFSZ is ignored (the
// disposition survives exec), so a write past it fails with EFBIG instead of
// ending the program.
[[noreturn]] void StartChild(const char* dir, char** argv, char** envp, const int fds[3],
                             const std::vector<Limit>& limits) {
  setpgid(0, 0);
  signal(SIGPIPE, SIG_DFL);
  for (int i = 0; i < 3; ++i) {
    if (dup2(fds[i], i) < 0) _exit(126);
  }
  const char no_limit[] = "transcript runner: cannot set a limit\n";
  for (const Limit& l : limits) {
    if (l.resource == RLIMIT_FSIZE) signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(l.resource, &l.value) != 0) ChildFails(no_limit, sizeof no_limit - 1, 126);
  }
  if (chdir(dir) == 0) execvpe(argv[0], argv, envp);
  const char no_start[] = "transcript runner: cannot start the program\n";
  ChildFails(no_start, sizeof no_start - 1, 127);
}

// Feeds the input and collects both outputs until they close or the deadline
// passes; closes all three descriptors. Returns false on a timeout.
bool Pump(const std::string& input, int in_fd, int out_fd, int err_fd, RunResult* r,
          std::chrono::steady_clock::time_point deadline) {
  int fds[] = {out_fd, err_fd, in_fd};
  std::string* sinks[] = {&r->out, &r->err};
  size_t written = 0;
  auto drop = [&fds](int i) {
    close(fds[i]);
    fds[i] = -1;
  };
  if (input.empty()) drop(2);
  bool in_time = true;
  while (in_time && (fds[0] >= 0 || fds[1] >= 0)) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    in_time = left.count() > 0;
    pollfd p[3] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}, {fds[2], POLLOUT, 0}};
    if (!in_time || poll(p, 3, static_cast<int>(left.count())) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i] < 0 || p[i].revents == 0) continue;
      char buf[4096];
      ssize_t n = read(fds[i], buf, sizeof buf);
      if (n > 0) sinks[i]->append(buf, static_cast<size_t>(n));
      // End of output; a terminal whose slave side closed answers EIO.
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) drop(i);
    }
    if (fds[2] >= 0 && p[2].revents != 0) {
      ssize_t n = write(fds[2], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      // All written, or the program stopped reading (EPIPE).
      if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) drop(2);
    }
  }
  for (int i = 0; i < 3; ++i) {
    if (fds[i] >= 0) drop(i);
  }
  return in_time;
}

// Waits for the child until the deadline; kills its process group then.
void Reap(pid_t pid, RunResult* r, std::chrono::steady_clock::time_point deadline) {
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (r->timed_out || std::chrono::steady_clock::now() > deadline) {
      r->timed_out = true;
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) r->exit_status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) r->signal = WTERMSIG(status);
}

// Makes the stdin, stdout and stderr channels: fds[0..2] are the parent's
// ends, fds[3..5] the child's.
bool OpenChannels(bool pty, int fds[6]) {
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0) return false;
  if (pipe2(err, O_CLOEXEC) != 0) return false;
  if (pty) {
    termios raw{};
    cfmakeraw(&raw);  // no \n -> \r\n, no echo
    if (openpty(&out[0], &out[1], nullptr, &raw, nullptr) != 0) return false;
    fcntl(out[0], F_SETFD, FD_CLOEXEC);
    fcntl(out[1], F_SETFD, FD_CLOEXEC);
  } else if (pipe2(out, O_CLOEXEC) != 0) {
    return false;
  }
  fcntl(in[1], F_SETFL, O_NONBLOCK);
  int all[6] = {in[1], out[0], err[0], in[0], out[1], err[1]};
  std::copy(all, all + 6, fds);
  return true;
}

RunResult RunProgram(RunRequest run) {
  RunResult r;
  int fds[6];
  if (!OpenChannels(run.pty, fds)) {
    r.failure = std::string("cannot make pipes: ") + std::strerror(errno);
    return r;
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(run.timeout_seconds);
  std::vector<char*> argv = CStrings(run.argv);
  std::vector<char*> envp = CStrings(run.env);
  pid_t pid = fork();
  if (pid == 0) StartChild(run.dir.c_str(), argv.data(), envp.data(), fds + 3, run.limits);
  for (int i = 3; i < 6; ++i) close(fds[i]);
  if (pid < 0) {
    r.failure = std::string("cannot fork: ") + std::strerror(errno);
    for (int i = 0; i < 3; ++i) close(fds[i]);
    return r;
  }
  setpgid(pid, pid);
  r.timed_out = !Pump(run.input, fds[0], fds[1], fds[2], &r, deadline);
  Reap(pid, &r, deadline);
  return r;
}

// The pinned environment: PATH, HOME, the locale (if any), then the extras.
std::vector<std::string> Environment(const std::string& home, const char* lc_all,
                                     const std::vector<std::pair<std::string, std::string>>& extra) {
  std::vector<std::pair<std::string, std::string>> vars = {{"PATH", "/usr/bin:/bin"},
                                                           {"HOME", home}};
  if (lc_all != nullptr) vars.emplace_back("LC_ALL", lc_all);
  for (const auto& [name, value] : extra) {
    auto same = [&](const auto& v) { return v.first == name; };
    vars.erase(std::remove_if(vars.begin(), vars.end(), same), vars.end());
    vars.emplace_back(name, value);
  }
  std::vector<std::string> out;
  for (const auto& [name, value] : vars) out.push_back(name + "=" + value);
  return out;
}

// ---------------------------------------------------------------------------
// The run directory

std::string MakeRunDir(const std::string& name) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/linklist-transcript-" + name + "-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) return "";
  return pattern;
}

// Writes the random file piece by piece; false when a write fails.
bool WriteRandom(const fs::path& p, const RandomBytes& r) {
  std::ofstream f(p, std::ios::binary);
  RandomStream stream(r.seed);
  std::vector<unsigned char> piece(kRandomPiece);
  for (std::uint64_t left = r.size; left > 0 && f;) {
    size_t n = static_cast<size_t>(std::min<std::uint64_t>(left, piece.size()));
    stream.Next(piece.data(), n);
    f.write(reinterpret_cast<const char*>(piece.data()), static_cast<std::streamsize>(n));
    left -= n;
  }
  return static_cast<bool>(f.flush());
}

std::string WriteSetup(const std::string& dir, const std::vector<SetupEntry>& setup) {
  for (const SetupEntry& e : setup) {
    fs::path p = fs::path(dir) / e.name;
    std::error_code ec;
    if (e.kind == SetupEntry::kDir) {
      fs::create_directory(p, ec);
    } else if (e.kind == SetupEntry::kFifo) {
      if (mkfifo(p.c_str(), 0644) != 0) ec = std::error_code(errno, std::generic_category());
    } else if (e.kind == SetupEntry::kSymlink) {
      fs::create_symlink(e.content, p, ec);
    } else if (e.kind == SetupEntry::kRandom) {
      if (!WriteRandom(p, e.random)) ec = std::make_error_code(std::errc::io_error);
    } else {
      std::ofstream f(p, std::ios::binary);
      f.write(e.content.data(), static_cast<std::streamsize>(e.content.size()));
      if (!f.flush()) ec = std::make_error_code(std::errc::io_error);
    }
    if (ec) return "setup of " + e.name + " failed: " + ec.message();
  }
  return "";
}

std::optional<std::string> ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return std::nullopt;
  std::ostringstream os;
  os << f.rdbuf();
  return os.str();
}

// Every entry under dir, as paths relative to it; directories (not symlinks
// to them) are walked into.
std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> out;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    // Lexical: fs::relative would follow a symlink to what it names.
    out.push_back(it->path().lexically_relative(dir).string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string KindOf(const fs::path& p) {
  std::error_code ec;
  fs::file_status st = fs::symlink_status(p, ec);
  if (fs::is_symlink(st)) return "a symlink to '" + fs::read_symlink(p, ec).string() + "'";
  if (fs::is_directory(st)) return "a directory";
  if (fs::is_fifo(st)) return "a named pipe";
  if (fs::is_regular_file(st)) return "a file of " + std::to_string(fs::file_size(p, ec)) + " bytes";
  return "something else";
}

// Empty when the file (read through symlinks) holds exactly the random bytes;
// else where it first differs. Compared piece by piece, never held whole.
std::string CompareRandom(const fs::path& p, const RandomBytes& r) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return "cannot be read as a file";
  RandomStream stream(r.seed);
  std::vector<unsigned char> want(kRandomPiece);
  std::vector<char> got(kRandomPiece);
  std::uint64_t at = 0;
  for (;;) {
    f.read(got.data(), static_cast<std::streamsize>(got.size()));
    size_t n = static_cast<size_t>(f.gcount());
    size_t expect = static_cast<size_t>(std::min<std::uint64_t>(r.size - at, want.size()));
    stream.Next(want.data(), expect);
    size_t same = 0;
    while (same < n && same < expect && static_cast<unsigned char>(got[same]) == want[same]) {
      ++same;
    }
    if (same < n || same < expect) {
      std::error_code ec;
      return "content differs from byte " + std::to_string(at + same) + " (expected the " +
             std::to_string(r.size) + " bytes set up, found " +
             std::to_string(fs::file_size(p, ec)) + ")";
    }
    at += n;
    if (n < got.size()) return f.bad() ? "read error" : "";
  }
}

// The differences between one expected entry and what is there.
std::string CheckEntry(const std::string& dir, const std::string& name, const ExpectedEntry& e) {
  fs::path p = fs::path(dir) / name;
  std::error_code ec;
  fs::file_status st = fs::symlink_status(p, ec);
  if (!fs::exists(st)) return name + ": expected to be left, but it is not there\n";
  std::string out;
  if (e.dir && !fs::is_directory(st)) out += name + ": expected a directory, found " + KindOf(p) + "\n";
  if (e.fifo && !fs::is_fifo(st)) out += name + ": expected a named pipe, found " + KindOf(p) + "\n";
  if (e.link) {
    if (!fs::is_symlink(st)) {
      out += name + ": expected a symlink to '" + *e.link + "', found " + KindOf(p) + "\n";
    } else if (fs::read_symlink(p, ec).string() != *e.link) {
      out += name + ": expected a symlink to '" + *e.link + "', found " + KindOf(p) + "\n";
    }
  }
  if (e.file || e.random) {
    if (!e.link && !fs::is_regular_file(st)) {
      out += name + ": expected a file, found " + KindOf(p) + "\n";
      return out;
    }
  }
  if (e.random) {
    std::string diff = CompareRandom(p, *e.random);
    if (!diff.empty()) out += name + ": " + diff + "\n";
  }
  if (e.file) {
    std::optional<std::string> bytes = ReadFile(p);
    if (!bytes) {
      out += name + ": cannot be read as a file (" + KindOf(p) + ")\n";
    } else if (*bytes != *e.file) {
      size_t at = 0;
      while (at < bytes->size() && at < e.file->size() && (*bytes)[at] == (*e.file)[at]) ++at;
      out += name + ": content differs from byte " + std::to_string(at) + "\n  expected (" +
             std::to_string(e.file->size()) + " bytes): " + Hex(*e.file) + "\n    actual (" +
             std::to_string(bytes->size()) + " bytes): " + Hex(*bytes) + "\n";
    }
  }
  return out;
}

// Empty when dir holds exactly the expected entries, as expected.
std::string CheckFiles(const std::string& dir, const std::map<std::string, ExpectedEntry>& files) {
  std::string out;
  for (const auto& [name, e] : files) out += CheckEntry(dir, name, e);
  for (const std::string& name : Entries(dir)) {
    if (files.count(name) == 0) out += name + ": left behind, not expected (" + KindOf(fs::path(dir) / name) + ")\n";
  }
  return out;
}

// ---------------------------------------------------------------------------
// The checks of one run

// Adds a failure for every way the run differs from what was expected.
void ExpectRun(const RunResult& r, const std::string& output, int status, bool gbk) {
  if (!r.failure.empty()) {
    ADD_FAILURE() << r.failure;
    return;
  }
  if (r.timed_out) ADD_FAILURE() << "hang: the program was killed after its time ran out";
  std::string diff = DescribeMismatch(output, r.out, gbk);
  if (!diff.empty()) ADD_FAILURE() << "stdout differs: " << diff;
  if (r.signal != 0) {
    ADD_FAILURE() << "exit status: expected " << status << ", killed by signal " << r.signal << " ("
                  << strsignal(r.signal) << ")";
  } else if (!r.timed_out && r.exit_status != status) {
    ADD_FAILURE() << "exit status: expected " << status << ", got " << r.exit_status;
  }
  if (!r.err.empty()) ADD_FAILURE() << "stderr is not empty: \"" << Escape(r.err) << "\"";
}

// On failure keeps the run directory (and the actual stdout beside it) and
// says where; otherwise removes it.
void Cleanup(const std::string& dir, const RunResult& r) {
  if (::testing::Test::HasFailure()) {
    std::ofstream(dir + ".stdout", std::ios::binary) << r.out;
    std::printf("  kept the run directory %s (its stdout in %s.stdout)\n", dir.c_str(), dir.c_str());
    return;
  }
  std::error_code ec;
  fs::remove_all(dir, ec);
}

// Why the transcript's limits cannot apply honestly here, or empty. A limit
// set before exec binds a wrapper as well, which maps memory and writes files
// of its own (valgrind does both at start-up).
std::string SkipReason(const Transcript& t) {
  if (t.limits.empty()) return "";
  if (!Wrapper().empty()) return "a limit would bind the wrapper as well as the program";
  auto is_as = [](const Limit& l) { return l.resource == RLIMIT_AS; };
  if (kSanitized && std::any_of(t.limits.begin(), t.limits.end(), is_as)) {
    return "an address-space limit cannot hold a sanitized program";
  }
  return "";
}

void RunTranscript(const Transcript& t, const Variant& v) {
  if (std::string why = SkipReason(t); !why.empty()) GTEST_SKIP() << why;
  std::string input = t.input, output = t.output;
  if (v.gbk && (!Convert("GBK", "UTF-8", t.input, &input) ||
                !Convert("GBK", "UTF-8", t.output, &output))) {
    FAIL() << t.name << ".t: its text does not convert to GBK";
  }
  std::string dir = MakeRunDir(t.name + "_" + v.suffix);
  ASSERT_FALSE(dir.empty()) << "cannot make a temporary directory";
  std::string setup_error = WriteSetup(dir, t.setup);
  RunResult r;
  if (setup_error.empty()) {
    RunRequest run;
    ProgramLine(&run, t.timeout_seconds);
    run.env = Environment(dir, v.lc_all, t.env);
    run.dir = dir;
    run.input = input;
    run.limits = t.limits;
    r = RunProgram(run);
    ExpectRun(r, output, t.status, v.gbk);
    std::string files = CheckFiles(dir, t.files);
    if (!files.empty()) ADD_FAILURE() << "files left in the run directory differ:\n" << files;
  } else {
    ADD_FAILURE() << setup_error;
  }
  Cleanup(dir, r);
}

// ---------------------------------------------------------------------------
// Registration

class TranscriptTest : public ::testing::Test {
 public:
  explicit TranscriptTest(std::function<void()> body) : body_(std::move(body)) {}
  void TestBody() override { body_(); }

 private:
  std::function<void()> body_;
};

void Register(const std::string& name, const std::string& file, int line,
              std::function<void()> body) {
  ::testing::RegisterTest("Transcripts", name.c_str(), nullptr, nullptr, file.c_str(), line,
                          [body]() -> TranscriptTest* { return new TranscriptTest(body); });
}

// One test per transcript and locale; a file that does not parse becomes one
// failing test that names the file and line.
void RegisterTranscripts(const std::string& folder) {
  std::vector<fs::path> paths;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    if (e.path().extension() == ".t") paths.push_back(e.path());
  }
  std::sort(paths.begin(), paths.end());
  if (paths.empty()) {
    Register("none_found", folder, 0, [folder] { FAIL() << "no .t files in " << folder; });
  }
  for (const fs::path& p : paths) {
    Transcript t;
    t.name = p.stem().string();
    std::optional<std::string> content = ReadFile(p);
    std::optional<ParseError> err =
        content ? ParseTranscript(*content, &t) : ParseError{0, "cannot read the file"};
    if (err) {
      std::string where = p.string() + ":" + std::to_string(err->line) + ": " + err->message;
      Register(t.name, p.string(), err->line, [where] { FAIL() << where; });
      continue;
    }
    for (const Variant& v : VariantsOf(t)) {
      Register(t.name + "_" + v.suffix, p.string(), 1, [t, v] { RunTranscript(t, v); });
    }
  }
}

// ---------------------------------------------------------------------------
// Clearing the screen: only a terminal that can do it gets the escape bytes.

TEST(ClearScreen, OnlyOnATerminalThatSupportsIt) {
  struct Case {
    const char* label;
    const char* term;  // nullptr: TERM not set
    bool clears;
  } cases[] = {
      {"xterm", "xterm", true},
      {"dumb", "dumb", false},
      {"empty TERM", "", false},
      {"no TERM", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string dir = MakeRunDir("clear_screen");
    ASSERT_FALSE(dir.empty());
    std::vector<std::pair<std::string, std::string>> extra;
    if (c.term != nullptr) extra.emplace_back("TERM", c.term);
    RunRequest run;
    ProgramLine(&run);
    run.env = Environment(dir, "C.UTF-8", extra);
    run.dir = dir;
    run.input = "0\n";
    run.pty = true;
    RunResult r = RunProgram(run);
    ExpectRun(r, (c.clears ? kClearScreen : "") + kMenu + kFarewell, 0, false);
    std::string files = CheckFiles(dir, {});
    if (!files.empty()) ADD_FAILURE() << "files left in the run directory:\n" << files;
    Cleanup(dir, r);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Descriptors 0-2 stay taken, so the pipes never land on them.
  for (int fd = 0; fd < 3; ++fd) {
    if (fcntl(fd, F_GETFD) < 0) open("/dev/null", O_RDWR);
  }
  signal(SIGPIPE, SIG_IGN);  // a program that exits early closes its stdin
  ::testing::InitGoogleTest(&argc, argv);
  RegisterTranscripts(LINKLIST_TRANSCRIPTS);
  return RUN_ALL_TESTS();
}
