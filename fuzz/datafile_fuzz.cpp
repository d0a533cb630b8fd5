// Arbitrary bytes as a data file. Whatever the loader makes of them, saving
// that list and loading it again gives the same list; the file loader, the
// whole-buffer decoder and a decoder fed in pieces all agree.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "entry/chain.h"
#include "entry/datafile.h"
#include "entry/file_io.h"

namespace {

std::string file_name;

std::vector<ElemType> Values(const LNode* p) {
  std::vector<ElemType> out;
  for (; p != nullptr; p = p->next) out.push_back(p->data);
  return out;
}

// Decodes with the layout of the whole, fed in pieces of the given size.
std::vector<ElemType> DecodeInPieces(std::string_view bytes, std::size_t piece) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  LayoutScan scan;
  for (std::size_t i = 0; i < bytes.size(); i += piece) {
    ScanBytes(&scan, data + i, std::min(piece, bytes.size() - i));
  }
  RecordDecoder decoder;
  decoder.layout = DecideLayout(scan);
  std::vector<ElemType> out;
  std::vector<ElemType> values(piece / kRecordSize + 1);
  for (std::size_t i = 0; i < bytes.size(); i += piece) {
    std::size_t n = std::min(piece, bytes.size() - i);
    std::size_t count = DecodeBytes(&decoder, data + i, n, values.data());
    out.insert(out.end(), values.begin(), values.begin() + count);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static std::string dir = "/tmp/linklist-fuzz-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  std::atexit([] { std::filesystem::remove_all(dir); });
  file_name = dir + "/data0.dat";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::FILE* f = std::fopen(file_name.c_str(), "wb");
  if (f == nullptr || std::fwrite(data, 1, size, f) != size ||
      std::fclose(f) != 0) {
    std::abort();
  }
  Chain loaded;
  if (LoadChain(file_name.c_str(), &loaded) != LoadResult::kLoaded) {
    std::abort();
  }
  std::vector<ElemType> values = Values(loaded.first);
  if (DecodeFile(bytes) != values) std::abort();
  std::size_t piece = size > 0 ? 1 + data[0] % 13 : 1;
  if (DecodeInPieces(bytes, piece) != values) std::abort();
  std::string saved = EncodeChain(loaded.first);
  if (saved.size() != values.size() * kRecordSize) std::abort();
  if (DecodeFile(saved) != values) std::abort();
  return 0;
}
