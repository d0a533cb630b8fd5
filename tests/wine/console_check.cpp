// Runs the Windows program under wine on a pseudo-terminal, where wine gives
// it a real console, and answers it as a person at the keyboard would (Enter
// sends CR; the console hands the program CR LF).
//
//   console_check WINE linklist.exe
//
// It runs with LC_ALL=C.UTF-8, so wine's code pages are 1252 and 437, which
// hold no Chinese: the Chinese text reaches the terminal (as UTF-8) only when
// the program writes it to the console as UTF-16. It checks too that on the
// console the pause waits for Enter, and that no file is left behind.
//
// The dialogue: command 12 on no lists, Enter for the pause, then 0.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrompt = "请选择你的操作[0~15]:";
constexpr std::string_view kMissing2 = "线性表data2.dat不存在！";
constexpr std::string_view kFarewell = "欢迎下次再使用本系统！";
constexpr std::string_view kFarewellGbk =
    "\xbb\xb6\xd3\xad\xcf\xc2\xb4\xce\xd4\xd9\xca\xb9\xd3\xc3\xb1\xbe\xcf\xb5\xcd\xb3\xa3\xa1";
constexpr auto kWait = std::chrono::seconds(60);

struct Session {
  int master = -1;
  pid_t pid = -1;
  std::string out;  // all the terminal has shown
};

// Reads what the terminal shows for up to ms milliseconds; false once the
// program's side has closed.
bool ReadFor(Session* s, int ms) {
  pollfd p = {s->master, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return true;
  char buf[4096];
  ssize_t n = read(s->master, buf, sizeof buf);
  if (n <= 0) return false;
  s->out.append(buf, static_cast<std::size_t>(n));
  return true;
}

// Waits until text shows after offset from; false when it does not in time.
bool WaitFor(Session* s, std::string_view text, std::size_t from) {
  auto deadline = std::chrono::steady_clock::now() + kWait;
  while (s->out.find(text, from) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline || !ReadFor(s, 100)) return false;
  }
  return true;
}

void Type(Session* s, std::string_view keys) {
  ssize_t n = write(s->master, keys.data(), keys.size());
  static_cast<void>(n);
}

bool Start(Session* s, const char* wine, const std::string& exe, const std::string& dir) {
  winsize size = {};
  size.ws_row = 40;
  size.ws_col = 100;
  termios raw = {};
  cfmakeraw(&raw);  // keys reach the console as typed: Enter stays CR
  s->pid = forkpty(&s->master, nullptr, &raw, &size);
  if (s->pid < 0) return false;
  if (s->pid == 0) {
    const char* prefix = std::getenv("WINEPREFIX");
    std::string env_prefix = std::string("WINEPREFIX=") + (prefix ? prefix : "");
    const char* home_dir = std::getenv("HOME");
    std::string home = std::string("HOME=") + (home_dir ? home_dir : dir.c_str());
    std::vector<char*> env = {const_cast<char*>("PATH=/usr/bin:/bin"), home.data(),
                              env_prefix.data(), const_cast<char*>("WINEDEBUG=-all"),
                              const_cast<char*>("LC_ALL=C.UTF-8"),
                              const_cast<char*>("TERM=xterm"), nullptr};
    std::vector<char*> argv = {const_cast<char*>(wine), const_cast<char*>(exe.c_str()), nullptr};
    if (chdir(dir.c_str()) == 0) execve(wine, argv.data(), env.data());
    _exit(127);
  }
  return true;
}

// Waits a while for the program to end, still showing what it writes.
bool Exited(Session* s, int* status) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (waitpid(s->pid, status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    if (!ReadFor(s, 100)) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// The dialogue; the first check that fails, or "" when all hold.
std::string Converse(Session* s) {
  if (!WaitFor(s, kPrompt, 0)) return "the menu never showed its prompt in UTF-8";
  std::size_t mark = s->out.size();
  Type(s, "12\r");
  if (!WaitFor(s, kMissing2, mark)) return "command 12 did not show its text in UTF-8";
  mark = s->out.find(kMissing2, mark) + kMissing2.size();
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < until && ReadFor(s, 100)) {
  }
  if (s->out.find(kPrompt, mark) != std::string::npos) {
    return "the pause did not wait for Enter";
  }
  Type(s, "\r");
  if (!WaitFor(s, kPrompt, mark)) return "no menu after Enter at the pause";
  mark = s->out.rfind(kPrompt) + kPrompt.size();
  Type(s, "0\r");
  if (!WaitFor(s, kFarewell, mark)) return "no farewell line in UTF-8";
  if (s->out.find(kFarewellGbk) != std::string::npos) return "GBK bytes reached the console";
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::getenv("WINEPREFIX") == nullptr) {
    std::fprintf(stderr, "usage: WINEPREFIX=DIR %s WINE PROGRAM.exe\n", argv[0]);
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);
  std::string dir = (fs::temp_directory_path() / "linklist-console-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) return 2;
  Session s;
  std::string why = Start(&s, argv[1], fs::absolute(argv[2]).string(), dir)
                        ? Converse(&s)
                        : "cannot start the program on a terminal";
  int status = 0;
  if (s.pid > 0 && why.empty() && !Exited(&s, &status)) why = "the program did not exit";
  if (s.pid > 0 && !why.empty() && !Exited(&s, &status)) {
    kill(s.pid, SIGKILL);
    waitpid(s.pid, &status, 0);
  }
  if (why.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) why = "exit status not 0";
  std::error_code ec;
  if (why.empty() && !fs::is_empty(dir, ec)) why = "files were left in the run directory";
  if (!why.empty()) {
    std::printf("FAIL console: %s; the terminal showed:\n%s\n", why.c_str(), s.out.c_str());
  }
  fs::remove_all(dir, ec);
  std::printf("console: %d passed, %d failed\n", why.empty() ? 1 : 0, why.empty() ? 0 : 1);
  return why.empty() ? 0 : 1;
}
