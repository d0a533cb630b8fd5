// Memory exhaustion in the list core: when a node cannot be allocated the
// process ends at once with exit status OVERFLOW (-2, 254 as the parent sees
// it). The shortage is real: the child runs under an address-space limit a
// little above what it already uses.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "list/list.h"

namespace {

// A sanitized build reserves terabytes of address space for its shadow
// memory, so no address-space limit can hold it.
#ifdef LINKLIST_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Room left above the address space in use: a few MiB, far less than the
// nodes below need (kMaxInserts nodes take about 32 bytes each).
constexpr std::uint64_t kHeadroom = std::uint64_t{8} << 20;
constexpr int kMaxInserts = 16 << 20;

// The address space this process uses now, from VmSize in /proc/self/status;
// 0 when it cannot be read.
std::uint64_t AddressSpaceInUse() {
  std::ifstream f("/proc/self/status");
  std::string line;
  while (std::getline(f, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) * 1024;  // kB
  }
  return 0;
}

// Limits the address space to what is in use plus kHeadroom, then inserts at
// position 1 until memory runs out. Returns only when it never does, or when
// the limit cannot be set.
void InsertUntilMemoryRunsOut() {
  LNode* head = nullptr;
  InitList(&head);
  std::uint64_t in_use = AddressSpaceInUse();
  if (in_use == 0) return;
  rlimit limit{in_use + kHeadroom, in_use + kHeadroom};
  if (setrlimit(RLIMIT_AS, &limit) != 0) return;
  for (int i = 0; i < kMaxInserts; ++i) ListInsert(head, 1, i);
}

TEST(ListInsertDeathTest, ExitsWithOverflowWhenMemoryRunsOut) {
  if (kSanitized) GTEST_SKIP() << "an address-space limit cannot hold a sanitized build";
  EXPECT_EXIT(InsertUntilMemoryRunsOut(), ::testing::ExitedWithCode(254), "");
}

}  // namespace
