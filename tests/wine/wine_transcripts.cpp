// Runs end-to-end transcripts (the .t format of tests/transcripts/README.md)
// against the Windows program under wine, or against the Linux program, each
// in a fresh temporary directory, and compares standard output byte for
// byte, the exit status, standard error (must be empty) and the files left.
//
//   wine_transcripts --wine WINE --exe linklist.exe [options] PATH...
//   wine_transcripts --linux linklist [options] PATH...
//
// A PATH is a .t file or a folder of them. Under wine the expected output is
// the GBK form of the transcript's text with every line break as CR LF, its
// input is given in GBK too, and LC_ALL=zh_CN.UTF-8 gives wine the ANSI code
// page 936; the data files must be the very bytes the transcript names. The
// Linux program runs with LC_ALL=C.UTF-8 and the text as it is written.
//
// Options:
//   --from DIR  copy DIR's files into each run directory before the run
//   --keep DIR  copy the files a run leaves into DIR
//   --label L   the word in front of the closing "N passed, N failed" line
//
// Under wine a transcript is skipped, by a rule it names, when it cannot apply
// to the Windows program:
//   symlinks          it sets up or expects a symbolic link
//   named-pipes       it sets up or expects a POSIX named pipe (mkfifo)
//   locale-variables  it is about the locale variables choosing the encoding
//                     (locale raw, or env sets LC_ALL, LC_CTYPE or LANG): the
//                     Windows program follows the system's ANSI code page
//   address-space     it limits the address space (limit as), which would
//                     limit wine itself rather than the program's heap
// A file size limit (limit fsize) is set on the wine process, which does the
// program's writes itself, so it applies.
#include <fcntl.h>
#include <iconv.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
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
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

// The runner's usual time for a run is 20 s; wine is given three times what
// a transcript asks for.
constexpr int kTimeoutSeconds = 20;
constexpr int kSlowdown = 3;

// --- the transcript ---------------------------------------------------------

// A file of pseudo-random bytes: splitmix64 from the seed, each 64-bit
// output stored little-endian, made again whenever it is needed.
struct Random {
  std::uint64_t size = 0;
  std::uint64_t seed = 0;
};

class RandomStream {
 public:
  explicit RandomStream(std::uint64_t seed) : state_(seed) {}

  // The next n bytes; only a file's last piece may be no multiple of 8.
  void Next(unsigned char* out, std::size_t n) {
    for (std::size_t i = 0; i < n; i += 8) {
      std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
      z ^= z >> 31;
      for (std::size_t k = 0; k < 8 && i + k < n; ++k) {
        out[i + k] = static_cast<unsigned char>(z >> (8 * k));
      }
    }
  }

 private:
  std::uint64_t state_;
};

constexpr std::size_t kRandomPiece = std::size_t{1} << 20;

struct Setup {
  std::string name;
  enum Kind { kFile, kDir, kSymlink, kFifo, kRandom } kind = kFile;
  std::string content;  // file bytes, or the link's target
  Random random;        // kRandom only
};

struct Expected {
  std::optional<std::string> file;
  std::optional<Random> random;  // the random bytes it was set up with
  bool dir = false;
  bool link = false;
  bool fifo = false;
};

struct Limit {
  std::string name;  // fsize or as
  std::uint64_t bytes;
};

struct Transcript {
  std::string name;
  std::string locale = "both";
  std::vector<std::pair<std::string, std::string>> env;
  std::vector<Setup> setup;
  std::vector<Limit> limits;
  int timeout_seconds = kTimeoutSeconds;
  std::string input;
  std::string output;
  int status = 0;
  std::map<std::string, Expected> files;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A count in decimal, optionally with K, M or G (powers of 1024).
std::optional<std::uint64_t> Count(const std::string& w) {
  std::uint64_t v = 0;
  auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
  if (ec != std::errc() || end == w.data()) return std::nullopt;
  std::string_view unit(end, static_cast<std::size_t>(w.data() + w.size() - end));
  int shift = unit == "" ? 0 : unit == "K" ? 10 : unit == "M" ? 20 : unit == "G" ? 30 : -1;
  if (shift < 0 || (shift > 0 && v > (UINT64_MAX >> shift))) return std::nullopt;
  return v << shift;
}

// The words of a line, up to a '#' that starts a comment.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> out;
  std::istringstream is{std::string(line)};
  for (std::string w; is >> w;) {
    if (w[0] == '#') break;
    out.push_back(w);
  }
  return out;
}

// Appends the bytes of words such as "0a"; false on any other word.
bool HexBytes(const std::vector<std::string>& words, std::size_t from,
              std::string* out) {
  for (std::size_t i = from; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() != 2 || HexDigit(w[0]) < 0 || HexDigit(w[1]) < 0) return false;
    out->push_back(static_cast<char>(HexDigit(w[0]) * 16 + HexDigit(w[1])));
  }
  return true;
}

// The escape whose backslash is at s[*i]: \t, \s (a space), \\, \{ or \xHH.
// Appends its byte and moves *i to its last character; false if malformed.
bool Escaped(std::string_view s, std::size_t* i, std::string* out) {
  char e = s[++*i];
  switch (e) {
    case 't': *out += '\t'; return true;
    case 's': *out += ' '; return true;
    case '\\':
    case '{': *out += e; return true;
    case 'x': break;
    default: return false;
  }
  if (*i + 2 >= s.size() || HexDigit(s[*i + 1]) < 0 || HexDigit(s[*i + 2]) < 0) return false;
  *out += static_cast<char>(HexDigit(s[*i + 1]) * 16 + HexDigit(s[*i + 2]));
  *i += 2;
  return true;
}

// One line of a stdin or stdout section; *joined when it ends in a lone
// backslash and so adds no line break. False on a malformed escape.
bool TextLine(std::string_view s, std::string* out, bool* joined) {
  *joined = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '{') {
      if (s.substr(i, 6) != "{menu}") return false;
      *out += kMenu;
      i += 5;
    } else if (s[i] != '\\') {
      *out += s[i];
    } else if (i + 1 == s.size()) {
      *joined = true;
    } else if (!Escaped(s, &i, out)) {
      return false;
    }
  }
  return true;
}

struct Parser {
  Transcript* t;
  std::string* text = nullptr;  // stdin or stdout being filled
  std::string* file = nullptr;  // an expected file's bytes being filled
  bool in_section = false;

  bool Directive(const std::vector<std::string>& w) {
    if (w[0] == "locale" && w.size() == 2) {
      t->locale = w[1];
    } else if (w[0] == "expect" && w.size() == 2) {
      // "expect gbk" goes with locale raw, which is skipped under wine.
    } else if (w[0] == "env" && w.size() == 2 && w[1].find('=') != std::string::npos) {
      std::size_t eq = w[1].find('=');
      t->env.emplace_back(w[1].substr(0, eq), w[1].substr(eq + 1));
    } else if (w[0] == "setup" && w.size() >= 3) {
      return SetupLine(w);
    } else if (w[0] == "limit" && w.size() == 3 && (w[1] == "fsize" || w[1] == "as") &&
               Count(w[2])) {
      t->limits.push_back({w[1], *Count(w[2])});
    } else if (w[0] == "timeout" && w.size() == 2 && Count(w[1]) && *Count(w[1]) > 0 &&
               *Count(w[1]) <= 3600) {
      t->timeout_seconds = static_cast<int>(*Count(w[1]));
    } else {
      return false;
    }
    return true;
  }

  bool SetupLine(const std::vector<std::string>& w) {
    Setup s{w[1], Setup::kFile, "", {}};
    if (w[2] == "dir" && w.size() == 3) {
      s.kind = Setup::kDir;
    } else if (w[2] == "fifo" && w.size() == 3) {
      s.kind = Setup::kFifo;
    } else if (w[2] == "symlink" && w.size() == 4) {
      s.kind = Setup::kSymlink;
      s.content = w[3];
    } else if (w[2] == "random" && w.size() == 5 && Count(w[3]) && Count(w[4])) {
      s.kind = Setup::kRandom;
      s.random = {*Count(w[3]), *Count(w[4])};
    } else if (w[2] != "hex" || !HexBytes(w, 3, &s.content)) {
      return false;
    }
    t->setup.push_back(s);
    return true;
  }

  // "file NAME unchanged": the bytes NAME was set up with, hex or random.
  bool Unchanged(const std::string& name) {
    for (auto it = t->setup.rbegin(); it != t->setup.rend(); ++it) {
      if (it->name != name) continue;
      if (it->kind == Setup::kFile) t->files[name].file = it->content;
      if (it->kind == Setup::kRandom) t->files[name].random = it->random;
      return it->kind == Setup::kFile || it->kind == Setup::kRandom;
    }
    return false;
  }

  bool Header(const std::vector<std::string>& w) {
    text = file = nullptr;
    in_section = true;
    if (w.size() == 1 && (w[0] == "stdin" || w[0] == "stdout")) {
      text = w[0] == "stdin" ? &t->input : &t->output;
    } else if (w.size() == 2 && w[0] == "status") {
      t->status = std::atoi(w[1].c_str());
    } else if (w.size() == 3 && w[0] == "file" && w[2] == "unchanged") {
      return Unchanged(w[1]);
    } else if (w.size() == 2 && w[0] == "file") {
      t->files[w[1]].file = "";
      file = &*t->files[w[1]].file;
    } else if (w.size() == 2 && w[0] == "dir") {
      t->files[w[1]].dir = true;
    } else if (w.size() == 2 && w[0] == "fifo") {
      t->files[w[1]].fifo = true;
    } else if (w.size() == 3 && w[0] == "link") {
      t->files[w[1]].link = true;
    } else {
      return false;
    }
    return true;
  }

  bool Line(std::string_view s) {
    if (s.substr(0, 3) == "---") return Header(Words(s.substr(3)));
    if (text != nullptr) {
      bool joined = false;
      if (!TextLine(s, text, &joined)) return false;
      if (!joined) *text += '\n';
      return true;
    }
    std::vector<std::string> w = Words(s);
    if (w.empty()) return true;
    if (file != nullptr) return HexBytes(w, 0, file);
    return !in_section && Directive(w);
  }
};

// Reads a transcript; on a line it cannot read, says which and returns false.
bool ReadTranscript(const fs::path& path, Transcript* t, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path.string();
    return false;
  }
  t->name = path.stem().string();
  Parser p{t};
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!p.Line(line)) {
      *error = path.string() + ":" + std::to_string(n) + ": cannot read this line";
      return false;
    }
  }
  return true;
}

// --- what the Windows program writes -----------------------------------------

bool ToGbk(std::string_view utf8, std::string* out) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in(utf8);
  char* src = in.data();
  std::size_t left = in.size();
  out->clear();
  bool ok = true;
  while (left > 0 && ok) {
    char buf[256];
    char* dst = buf;
    std::size_t room = sizeof buf;
    ok = iconv(cd, &src, &left, &dst, &room) != static_cast<std::size_t>(-1) ||
         errno == E2BIG;
    out->append(buf, static_cast<std::size_t>(dst - buf));
  }
  iconv_close(cd);
  return ok;
}

std::string WithCrLf(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The rule by which a transcript does not apply to the Windows program, or
// "" when it does.
std::string SkipRule(const Transcript& t) {
  for (const Setup& s : t.setup) {
    if (s.kind == Setup::kSymlink) return "symlinks";
    if (s.kind == Setup::kFifo) return "named-pipes";
  }
  for (const auto& [name, e] : t.files) {
    if (e.link) return "symlinks";
    if (e.fifo) return "named-pipes";
  }
  for (const Limit& l : t.limits) {
    if (l.name == "as") return "address-space";
  }
  if (t.locale == "raw") return "locale-variables";
  for (const auto& [name, value] : t.env) {
    if (name == "LC_ALL" || name == "LC_CTYPE" || name == "LANG") return "locale-variables";
  }
  return "";
}

// --- running the program ------------------------------------------------------

struct Run {
  std::string out, err;
  int status = -1;
  bool timed_out = false;
};

void CloseFd(int* fd) {
  if (*fd >= 0) close(*fd);
  *fd = -1;
}

// Reads what fd has now into sink; closes it at its end. True if it read.
bool Collect(int* fd, std::string* sink) {
  char buf[4096];
  ssize_t n = read(*fd, buf, sizeof buf);
  if (n > 0) sink->append(buf, static_cast<std::size_t>(n));
  if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) CloseFd(fd);
  return n > 0;
}

// Writes what it can of the input; closes fds once all is written or the
// program has stopped reading.
void Feed(int* fd, const std::string& input, std::size_t* written) {
  ssize_t n = write(*fd, input.data() + *written, input.size() - *written);
  if (n > 0) *written += static_cast<std::size_t>(n);
  if ((n < 0 && errno != EAGAIN && errno != EINTR) || *written == input.size()) CloseFd(fd);
}

// Feeds input to fds[0] and collects fds[1] and fds[2] until the program has
// exited and its output is drained, or the time is up; closes all three. A
// process wine starts on its first run (its services) may keep the pipes
// open after the program itself has gone, so their end is not waited for.
void Pump(pid_t pid, const std::string& input, int fds[3], Run* r,
          std::chrono::steady_clock::time_point deadline) {
  std::size_t written = 0;
  if (input.empty()) CloseFd(&fds[0]);
  int status = 0;
  bool exited = false;
  while (fds[1] >= 0 || fds[2] >= 0 || !exited) {
    exited = exited || waitpid(pid, &status, WNOHANG) == pid;
    if (std::chrono::steady_clock::now() > deadline) {
      r->timed_out = true;
      break;
    }
    pollfd p[3] = {{fds[0], POLLOUT, 0}, {fds[1], POLLIN, 0}, {fds[2], POLLIN, 0}};
    bool got = false;
    if (poll(p, 3, 20) > 0) {
      if (fds[0] >= 0 && p[0].revents != 0) Feed(&fds[0], input, &written);
      for (int i = 1; i < 3; ++i) {
        if (fds[i] >= 0 && p[i].revents != 0) got |= Collect(&fds[i], i == 1 ? &r->out : &r->err);
      }
    }
    if (exited && !got) break;  // gone, and nothing more is coming
  }
  for (int i = 0; i < 3; ++i) CloseFd(&fds[i]);
  if (!exited) {
    kill(-pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  r->status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct RunRequest {
  std::vector<std::string> argv, env;
  std::string dir, input;
  std::string output;  // expected
  int timeout_seconds = kTimeoutSeconds;
  std::optional<std::uint64_t> fsize;  // a file size limit for the program
};

// In the child: wires the pipes, sets the file size limit (a write past it
// then fails with EFBIG rather than ending the program) and starts it.
[[noreturn]] void StartChild(char** argv, char** envp, const RunRequest& req, int in, int out, int err) {
  setpgid(0, 0);
  signal(SIGPIPE, SIG_DFL);
  if (dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
  if (req.fsize) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit = {static_cast<rlim_t>(*req.fsize), static_cast<rlim_t>(*req.fsize)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
  }
  if (chdir(req.dir.c_str()) == 0) execve(argv[0], argv, envp);
  _exit(127);
}

Run Start(const RunRequest& req) {
  Run r;
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 ||
      pipe2(err, O_CLOEXEC) != 0) {
    r.err = "cannot make pipes";
    return r;
  }
  std::vector<std::string> a = req.argv, e = req.env;
  std::vector<char*> av, ev;
  for (std::string& s : a) av.push_back(s.data());
  for (std::string& s : e) ev.push_back(s.data());
  av.push_back(nullptr);
  ev.push_back(nullptr);
  pid_t pid = fork();
  if (pid == 0) StartChild(av.data(), ev.data(), req, in[0], out[1], err[1]);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  int fds[3] = {in[1], out[0], err[0]};
  for (int fd : fds) fcntl(fd, F_SETFL, O_NONBLOCK);
  Pump(pid, req.input, fds, &r,
       std::chrono::steady_clock::now() + std::chrono::seconds(req.timeout_seconds));
  return r;
}

// --- the run directory ----------------------------------------------------------

std::string ReadBytes(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream os;
  os << f.rdbuf();
  return os.str();
}

bool WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f.flush());
}

std::string Hex(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    char h[4];
    std::snprintf(h, sizeof h, "%s%02x", out.empty() ? "" : " ", c);
    out += h;
  }
  return out;
}

bool WriteRandom(const fs::path& p, const Random& r) {
  std::ofstream f(p, std::ios::binary);
  RandomStream stream(r.seed);
  std::vector<unsigned char> piece(kRandomPiece);
  for (std::uint64_t left = r.size; left > 0 && f;) {
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
    stream.Next(piece.data(), n);
    f.write(reinterpret_cast<const char*>(piece.data()), static_cast<std::streamsize>(n));
    left -= n;
  }
  return static_cast<bool>(f.flush());
}

// True when the file holds exactly the random bytes; read piece by piece.
bool SameAsRandom(const fs::path& p, const Random& r) {
  std::error_code ec;
  if (fs::file_size(p, ec) != r.size || ec) return false;
  std::ifstream f(p, std::ios::binary);
  RandomStream stream(r.seed);
  std::vector<unsigned char> want(kRandomPiece);
  std::vector<char> got(kRandomPiece);
  for (std::uint64_t left = r.size; left > 0;) {
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, want.size()));
    stream.Next(want.data(), n);
    if (!f.read(got.data(), static_cast<std::streamsize>(n)) ||
        std::memcmp(got.data(), want.data(), n) != 0) {
      return false;
    }
    left -= n;
  }
  return true;
}

bool MakeSetup(const std::string& dir, const Transcript& t, const std::string& from) {
  std::error_code ec;
  for (const Setup& s : t.setup) {
    fs::path p = fs::path(dir) / s.name;
    if (s.kind == Setup::kDir) fs::create_directory(p, ec);
    if (s.kind == Setup::kSymlink) fs::create_symlink(s.content, p, ec);
    if (s.kind == Setup::kFile && !WriteBytes(p, s.content)) return false;
    if (s.kind == Setup::kRandom && !WriteRandom(p, s.random)) return false;
    if (ec) return false;
  }
  if (from.empty()) return true;
  for (const auto& e : fs::directory_iterator(from, ec)) {
    if (e.is_regular_file()) fs::copy_file(e.path(), fs::path(dir) / e.path().filename(), ec);
    if (ec) return false;
  }
  return !ec;
}

// What differs between the files expected and those left in dir.
std::string CheckFiles(const std::string& dir, const std::map<std::string, Expected>& files) {
  std::string out;
  std::error_code ec;
  for (const auto& [name, e] : files) {
    fs::path p = fs::path(dir) / name;
    if (e.dir && !fs::is_directory(p, ec)) out += "  " + name + ": expected a directory\n";
    if (e.random && !SameAsRandom(p, *e.random)) {
      out += "  " + name + ": does not hold the random bytes it was set up with\n";
    }
    if (!e.file) continue;
    if (!fs::is_regular_file(p, ec)) {
      out += "  " + name + ": expected a file, there is none\n";
    } else if (std::string bytes = ReadBytes(p); bytes != *e.file) {
      out += "  " + name + ": expected " + Hex(*e.file) + "\n" + std::string(name.size() + 4, ' ') +
             "got " + Hex(bytes) + "\n";
    }
  }
  for (const auto& e : fs::recursive_directory_iterator(dir, ec)) {
    std::string name = e.path().lexically_relative(dir).string();
    if (files.count(name) == 0) out += "  " + name + ": left behind, not expected\n";
  }
  return out;
}

// Control bytes shown as escapes, for a readable mismatch.
std::string Escape(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20 || c >= 0x7f) {
      char h[8];
      std::snprintf(h, sizeof h, "\\x%02x", c);
      out += h;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string DescribeMismatch(const std::string& expected, const std::string& actual) {
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  std::size_t from = at > 40 ? at - 40 : 0;
  return "  stdout differs at byte " + std::to_string(at) + " (expected " +
         std::to_string(expected.size()) + " bytes, got " + std::to_string(actual.size()) +
         ")\n    expected: ..." + Escape(expected.substr(from, 80)) +
         "\n         got: ..." + Escape(actual.substr(from, 80)) + "\n";
}

// --- one transcript ---------------------------------------------------------------

struct Options {
  std::vector<std::string> program;  // the command line that starts it
  bool wine = false;
  std::string from, keep, label = "transcripts";
  std::vector<std::string> env;      // the pinned environment
};

enum class Outcome { kPassed, kFailed, kSkipped };

void KeepFiles(const std::string& dir, const std::string& keep) {
  std::error_code ec;
  fs::create_directories(keep, ec);
  for (const auto& e : fs::directory_iterator(dir, ec)) {
    if (!e.is_regular_file()) continue;
    fs::copy_file(e.path(), fs::path(keep) / e.path().filename(),
                  fs::copy_options::overwrite_existing, ec);
  }
}

std::string Compare(const Transcript& t, const Run& r, const RunRequest& req) {
  std::string why;
  if (r.timed_out) why += "  hang: killed after " + std::to_string(req.timeout_seconds) + " s\n";
  if (r.out != req.output) why += DescribeMismatch(req.output, r.out);
  if (r.status != t.status) {
    why += "  exit status " + std::to_string(r.status) + ", expected " + std::to_string(t.status) + "\n";
  }
  if (!r.err.empty()) why += "  stderr: " + Escape(r.err.substr(0, 300)) + "\n";
  return why + CheckFiles(req.dir, t.files);
}

// How the transcript runs: the program's line, its environment, the bytes
// in and the bytes expected out, as the program in hand should write them.
// False when its text has no GBK form.
bool MakeRequest(const Transcript& t, const Options& o, RunRequest* req) {
  req->argv = o.program;
  req->env = o.env;
  for (const auto& [name, value] : t.env) req->env.push_back(name + "=" + value);
  req->input = t.input;
  req->output = t.output;
  req->timeout_seconds = t.timeout_seconds * (o.wine ? kSlowdown : 1);
  for (const Limit& l : t.limits) {
    if (l.name == "fsize") req->fsize = l.bytes;
  }
  if (!o.wine) return true;
  if (!ToGbk(t.input, &req->input) || !ToGbk(t.output, &req->output)) return false;
  req->output = WithCrLf(req->output);
  return true;
}

Outcome RunOne(const Transcript& t, const Options& o) {
  std::string rule = SkipRule(t);
  if (!rule.empty()) {
    std::printf("skip %s (%s)\n", t.name.c_str(), rule.c_str());
    return Outcome::kSkipped;
  }
  RunRequest req;
  if (!MakeRequest(t, o, &req)) {
    std::printf("FAIL %s\n  its text does not convert to GBK\n", t.name.c_str());
    return Outcome::kFailed;
  }
  const char* tmp = std::getenv("TMPDIR");
  req.dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/linklist-" + t.name + "-XXXXXX";
  if (mkdtemp(req.dir.data()) == nullptr || !MakeSetup(req.dir, t, o.from)) {
    std::printf("FAIL %s\n  cannot set up %s\n", t.name.c_str(), req.dir.c_str());
    return Outcome::kFailed;
  }
  Run r = Start(req);
  std::string why = Compare(t, r, req);
  if (!o.keep.empty()) KeepFiles(req.dir, o.keep);
  if (!why.empty()) {
    WriteBytes(req.dir + ".stdout", r.out);
    std::printf("FAIL %s\n%s  kept %s (its stdout in %s.stdout)\n", t.name.c_str(),
                why.c_str(), req.dir.c_str(), req.dir.c_str());
    return Outcome::kFailed;
  }
  std::error_code ec;
  fs::remove_all(req.dir, ec);
  std::printf("ok   %s\n", t.name.c_str());
  return Outcome::kPassed;
}

// --- the command line ---------------------------------------------------------------

std::vector<std::string> Pinned(bool wine) {
  std::vector<std::string> env = {"PATH=/usr/bin:/bin"};
  for (const char* name : {"HOME", "WINEPREFIX"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && (wine || std::strcmp(name, "HOME") == 0)) {
      env.push_back(std::string(name) + "=" + value);
    }
  }
  if (wine) env.push_back("WINEDEBUG=-all");
  env.push_back(wine ? "LC_ALL=zh_CN.UTF-8" : "LC_ALL=C.UTF-8");
  return env;
}

bool ParseArgs(int argc, char** argv, Options* o, std::vector<fs::path>* paths) {
  std::string wine, exe, linux_program;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    std::string* value = a == "--wine" ? &wine : a == "--exe" ? &exe
                       : a == "--linux" ? &linux_program : a == "--from" ? &o->from
                       : a == "--keep" ? &o->keep : a == "--label" ? &o->label : nullptr;
    if (value != nullptr && i + 1 < argc) {
      *value = argv[++i];
    } else if (value == nullptr && a.substr(0, 2) != "--") {
      paths->push_back(a);
    } else {
      return false;
    }
  }
  o->wine = !wine.empty();
  if (o->wine == !linux_program.empty() || o->wine == exe.empty() || paths->empty()) return false;
  // Wine must not make or change the user's own prefix.
  const char* prefix = std::getenv("WINEPREFIX");
  if (o->wine && (prefix == nullptr || *prefix == '\0')) return false;
  o->program = o->wine ? std::vector<std::string>{wine, fs::absolute(exe).string()}
                       : std::vector<std::string>{fs::absolute(linux_program).string()};
  o->env = Pinned(o->wine);
  return true;
}

// The .t files named, folders opened, in name order within each folder.
std::vector<fs::path> TranscriptFiles(const std::vector<fs::path>& paths) {
  std::vector<fs::path> out;
  for (const fs::path& p : paths) {
    if (!fs::is_directory(p)) {
      out.push_back(p);
      continue;
    }
    std::vector<fs::path> in_dir;
    for (const auto& e : fs::directory_iterator(p)) {
      if (e.path().extension() == ".t") in_dir.push_back(e.path());
    }
    std::sort(in_dir.begin(), in_dir.end());
    out.insert(out.end(), in_dir.begin(), in_dir.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::vector<fs::path> paths;
  if (!ParseArgs(argc, argv, &o, &paths)) {
    std::fprintf(stderr,
                 "usage: %s (--wine WINE --exe PROGRAM.exe | --linux PROGRAM) [--from DIR] "
                 "[--keep DIR] [--label WORD] PATH...\n(--wine wants WINEPREFIX set)\n",
                 argv[0]);
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);
  int passed = 0, failed = 0, skipped = 0;
  for (const fs::path& p : TranscriptFiles(paths)) {
    Transcript t;
    std::string error;
    Outcome result = Outcome::kFailed;
    if (ReadTranscript(p, &t, &error)) {
      result = RunOne(t, o);
    } else {
      std::printf("FAIL %s\n  %s\n", p.stem().c_str(), error.c_str());
    }
    passed += result == Outcome::kPassed;
    failed += result == Outcome::kFailed;
    skipped += result == Outcome::kSkipped;
    std::fflush(stdout);
  }
  if (passed + failed == 0) failed = 1;  // running nothing is no pass
  std::printf("%s: %d passed, %d failed, %d skipped\n", o.label.c_str(), passed, failed, skipped);
  return failed == 0 ? 0 : 1;
}
