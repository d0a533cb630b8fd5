// floor: the least program that does a benchmark session's work, with the
// same data structure and none of the dialogue. It gives the cost that
// linklist is measured against.
//
//   floor MISSING VALUE
//
// In the working directory it reads data0.dat, data1.dat and data2.dat
// (8-byte records: 32-bit little-endian element, then a link word), with one
// heap node per record linked in file order; walks the lists for their
// lengths, for MISSING and for the predecessor and successor of VALUE;
// writes every element as decimal and a tab to standard output; and writes
// the three files back the durable way: temporary file, fsync, rename. Last
// it writes its answers as one line to standard error.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The list core's node.
struct LNode {
  std::int32_t data;
  LNode* next;
};

constexpr std::size_t kRecordSize = 8;
constexpr std::size_t kChunk = 1 << 16;
constexpr int kLists = 3;

[[noreturn]] void Fail(const char* what) {
  std::perror(what);
  std::exit(1);
}

std::string FileName(int i) { return "data" + std::to_string(i) + ".dat"; }

std::int32_t Load32(const unsigned char* b) {
  std::uint32_t v = static_cast<std::uint32_t>(b[0]) |
                    static_cast<std::uint32_t>(b[1]) << 8 |
                    static_cast<std::uint32_t>(b[2]) << 16 |
                    static_cast<std::uint32_t>(b[3]) << 24;
  return static_cast<std::int32_t>(v);
}

void Store32(std::uint32_t v, unsigned char* b) {
  b[0] = static_cast<unsigned char>(v);
  b[1] = static_cast<unsigned char>(v >> 8);
  b[2] = static_cast<unsigned char>(v >> 16);
  b[3] = static_cast<unsigned char>(v >> 24);
}

// Reads the file's whole records into a chain behind head.
void Load(const std::string& name, LNode* head) {
  int fd = open(name.c_str(), O_RDONLY);
  if (fd < 0) Fail(name.c_str());
  unsigned char buf[kChunk];
  std::size_t have = 0;  // bytes of a record left over from the last read
  LNode* tail = head;
  ssize_t n;
  while ((n = read(fd, buf + have, sizeof buf - have)) > 0) {
    have += static_cast<std::size_t>(n);
    std::size_t i = 0;
    for (; have - i >= kRecordSize; i += kRecordSize) {
      tail = tail->next = new LNode{Load32(buf + i), nullptr};
    }
    for (std::size_t k = i; k < have; ++k) buf[k - i] = buf[k];
    have -= i;
  }
  if (n < 0) Fail(name.c_str());
  close(fd);
}

long Length(const LNode* head) {
  long n = 0;
  for (const LNode* p = head->next; p != nullptr; p = p->next) ++n;
  return n;
}

long Locate(const LNode* head, std::int32_t e) {
  long i = 1;
  for (const LNode* p = head->next; p != nullptr; p = p->next, ++i) {
    if (p->data == e) return i;
  }
  return 0;
}

const LNode* Prior(const LNode* head, std::int32_t e) {
  if (head->next == nullptr) return nullptr;
  for (const LNode* p = head->next; p->next != nullptr; p = p->next) {
    if (p->next->data == e) return p;
  }
  return nullptr;
}

const LNode* Next(const LNode* head, std::int32_t e) {
  for (const LNode* p = head->next; p != nullptr && p->next != nullptr;
       p = p->next) {
    if (p->data == e) return p->next;
  }
  return nullptr;
}

void WriteAll(int fd, const unsigned char* data, std::size_t n) {
  while (n > 0) {
    ssize_t done = write(fd, data, n);
    if (done <= 0) Fail("write");
    data += done;
    n -= static_cast<std::size_t>(done);
  }
}

void Print(const LNode* head) {
  unsigned char buf[kChunk];
  std::size_t used = 0;
  for (const LNode* p = head->next; p != nullptr; p = p->next) {
    if (sizeof buf - used < 12) {
      WriteAll(STDOUT_FILENO, buf, used);
      used = 0;
    }
    char* start = reinterpret_cast<char*>(buf + used);
    char* end = std::to_chars(start, start + 11, p->data).ptr;
    *end++ = '\t';
    used += static_cast<std::size_t>(end - start);
  }
  WriteAll(STDOUT_FILENO, buf, used);
}

void Save(const std::string& name, const LNode* head) {
  std::string temp = name + ".tmpXXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) Fail(temp.c_str());
  unsigned char buf[kChunk];
  std::size_t used = 0;
  for (const LNode* p = head->next; p != nullptr; p = p->next) {
    if (sizeof buf - used < kRecordSize) {
      WriteAll(fd, buf, used);
      used = 0;
    }
    Store32(static_cast<std::uint32_t>(p->data), buf + used);
    Store32(p->next != nullptr ? 1 : 0, buf + used + 4);
    used += kRecordSize;
  }
  WriteAll(fd, buf, used);
  if (fchmod(fd, 0644) != 0 || fsync(fd) != 0 || close(fd) != 0 ||
      std::rename(temp.c_str(), name.c_str()) != 0) {
    Fail(name.c_str());
  }
  int dir = open(".", O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
}

// An element found by a search, or "none".
std::string Answer(const LNode* p) {
  return p != nullptr ? std::to_string(p->data) : "none";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: floor MISSING VALUE\n");
    return 2;
  }
  auto missing = static_cast<std::int32_t>(std::atol(argv[1]));
  auto value = static_cast<std::int32_t>(std::atol(argv[2]));
  // The lists are never released: the process ends right after, and the
  // system takes the memory back whole. They stay reachable to the end.
  static LNode heads[kLists] = {};
  for (int i = 0; i < kLists; ++i) Load(FileName(i), &heads[i]);
  long len[kLists];
  for (int i = 0; i < kLists; ++i) len[i] = Length(&heads[i]);
  long pos = 0;
  for (int i = 0; i < kLists && pos == 0; ++i) pos = Locate(&heads[i], missing);
  const LNode* pre = nullptr;
  for (int i = 0; i < kLists && pre == nullptr; ++i) {
    pre = Prior(&heads[i], value);
  }
  const LNode* next = nullptr;
  for (int i = 0; i < kLists && next == nullptr; ++i) {
    next = Next(&heads[i], value);
  }
  for (int i = 0; i < kLists; ++i) Print(&heads[i]);
  for (int i = 0; i < kLists; ++i) Save(FileName(i), &heads[i]);
  // The answers, so that no walk is left out and a caller can check them.
  std::fprintf(stderr, "lengths %ld %ld %ld missing %ld prior %s next %s\n",
               len[0], len[1], len[2], pos, Answer(pre).c_str(),
               Answer(next).c_str());
  return 0;
}
