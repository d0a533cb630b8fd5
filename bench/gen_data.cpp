// gen_data: writes the three data files of a session benchmark.
//
//   gen_data COUNT DIR [SEED]
//
// Writes DIR/data0.dat, DIR/data1.dat and DIR/data2.dat, COUNT records each,
// in the program's record format: the element as a 32-bit little-endian
// signed integer, then the link word 1 (0 in the last record). The elements
// are random 32-bit values, with two kept out: kMissing is in no file, and
// kMarker is only in data2.dat, as its last element but one. A search for
// the marker so walks the first two lists whole and the third to its end.
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kMissing = 123456789;
constexpr std::int32_t kMarker = 987654321;
constexpr std::size_t kRecordSize = 8;
constexpr std::size_t kBatch = 1 << 13;  // records per write

void Store32(std::uint32_t v, unsigned char* b) {
  b[0] = static_cast<unsigned char>(v);
  b[1] = static_cast<unsigned char>(v >> 8);
  b[2] = static_cast<unsigned char>(v >> 16);
  b[3] = static_cast<unsigned char>(v >> 24);
}

// A random element other than the two kept-out values, as its 32-bit image.
std::uint32_t RandomElement(std::mt19937& rng) {
  for (;;) {
    std::uint32_t v = rng();
    if (v != static_cast<std::uint32_t>(kMissing) &&
        v != static_cast<std::uint32_t>(kMarker)) {
      return v;
    }
  }
}

// Writes one file of count records; the record at marker_at (when below
// count) holds kMarker. False when the file cannot be written.
bool WriteFile(const std::string& path, std::uint64_t count,
               std::uint64_t marker_at, std::mt19937& rng) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  std::vector<unsigned char> buf(kBatch * kRecordSize);
  bool ok = true;
  for (std::uint64_t done = 0; done < count && ok;) {
    std::size_t used = 0;
    for (; used < buf.size() && done < count; used += kRecordSize, ++done) {
      std::uint32_t v = done == marker_at ? static_cast<std::uint32_t>(kMarker)
                                          : RandomElement(rng);
      Store32(v, &buf[used]);
      Store32(done + 1 < count ? 1 : 0, &buf[used + 4]);
    }
    ok = std::fwrite(buf.data(), 1, used, f) == used;
  }
  return std::fclose(f) == 0 && ok;
}

bool ParseCount(std::string_view text, std::uint64_t* value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(),
                                   *value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t count = 0;
  std::uint64_t seed = 1;
  if (argc < 3 || argc > 4 || !ParseCount(argv[1], &count) ||
      (argc == 4 && !ParseCount(argv[3], &seed))) {
    std::fprintf(stderr, "usage: gen_data COUNT DIR [SEED]\n");
    return 2;
  }
  std::mt19937 rng(static_cast<std::mt19937::result_type>(seed));
  for (int i = 0; i < 3; ++i) {
    std::string path = std::string(argv[2]) + "/data" + std::to_string(i) +
                       ".dat";
    std::uint64_t marker_at = i == 2 && count >= 2 ? count - 2 : count;
    if (!WriteFile(path, count, marker_at, rng)) {
      std::fprintf(stderr, "gen_data: %s: %s\n", path.c_str(),
                   std::strerror(errno));
      return 1;
    }
  }
  std::printf("%d %d\n", kMissing, kMarker);
  return 0;
}
