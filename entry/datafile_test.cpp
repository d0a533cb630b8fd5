#include "entry/datafile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// "01 0a ff" -> the bytes 0x01 0x0A 0xFF.
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

// A chain of the values in nodes that live in the vector (no heap per node).
std::vector<LNode> Nodes(const std::vector<ElemType>& values) {
  std::vector<LNode> nodes(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    nodes[i].data = values[i];
    nodes[i].next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
  }
  return nodes;
}

std::string Encode(const std::vector<ElemType>& values) {
  std::vector<LNode> nodes = Nodes(values);
  return EncodeChain(nodes.empty() ? nullptr : nodes.data());
}

const unsigned char* Data(const std::string& bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.data());
}

// Decodes the way a reader of a stream does: scans the pieces for the layout,
// then decodes the same pieces. Piece i is bytes [cuts[i], cuts[i+1]).
std::vector<ElemType> DecodePieces(const std::string& bytes,
                                   const std::vector<std::size_t>& cuts) {
  LayoutScan scan;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    ScanBytes(&scan, Data(bytes) + cuts[i], cuts[i + 1] - cuts[i]);
  }
  RecordDecoder decoder;
  decoder.layout = DecideLayout(scan);
  std::vector<ElemType> values;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    std::size_t n = cuts[i + 1] - cuts[i];
    std::vector<ElemType> out(n / kRecordSize + 1);  // the room promised
    std::size_t count =
        DecodeBytes(&decoder, Data(bytes) + cuts[i], n, out.data());
    values.insert(values.end(), out.begin(), out.begin() + count);
  }
  return values;
}

constexpr ElemType kCrLf = 0x0A0D;          // bytes 0d 0a 00 00
constexpr ElemType kCrLfCrLf = 0x0A0D0A0D;  // bytes 0d 0a 0d 0a

struct OddFile {
  const char* label;
  std::string bytes;
  std::vector<ElemType> want;
};

// Files the encoder never writes. Legacy files come from a text-mode stream
// that stored each 0x0A as 0x0D 0x0A, with memory addresses as links.
const std::vector<OddFile>& OddFiles() {
  static const std::vector<OddFile> cases = {
      {"empty", "", {}},
      {"1 byte", Hex("05"), {}},
      {"2 bytes", Hex("05 00"), {}},
      {"3 bytes", Hex("05 00 00"), {}},
      {"4 bytes", Hex("05 00 00 00"), {}},
      {"5 bytes", Hex("05 00 00 00 00"), {}},
      {"6 bytes", Hex("05 00 00 00 00 00"), {}},
      {"7 bytes", Hex("05 00 00 00 00 00 00"), {}},
      {"a lone 0a, short", Hex("0a"), {}},
      {"a lone 0d 0a, short", Hex("0d 0a"), {}},
      {"links are not looked at", Hex("05 00 00 00 ef be ad de"), {5}},
      // Two records, then 4 bytes that make no record.
      {"20 bytes, last 4 ignored",
       Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00 ff ff ff ff"),
       {1, 2}},
      {"20 bytes, trailing 0a 0a 0a 0a ignored",
       Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00 0a 0a 0a 0a"),
       {1, 2}},
      {"0x1a in a plain file",
       Hex("1a 00 00 00 01 00 00 00 1b 00 00 00 00 00 00 00"), {26, 27}},
      // A genuine 0d 0a in a whole plain record: links 0 make it plain.
      {"plain 0d 0a kept", Hex("0d 0a 00 00 00 00 00 00"), {kCrLf}},
      // Links 1, 1, 1, 0 over whole records: plain, although every 0a follows
      // a 0d, the size less the pairs is 24 and the last link is 0.
      {"plain wins over legacy",
       Hex("0d 0a 0d 0a 01 00 00 00 0d 0a 0d 0a 01 00 00 00 "
           "0d 0a 0d 0a 01 00 00 00 0d 0a 0d 0a 00 00 00 00"),
       {kCrLfCrLf, kCrLfCrLf, kCrLfCrLf, kCrLfCrLf}},
      // Whole records but links 0, 0, and no 0d: plain.
      {"0a with bad links, no 0d",
       Hex("0a 00 00 00 00 00 00 00 0a 00 00 00 00 00 00 00"), {10, 10}},

      // --- legacy: each pair turns back into 0a ---
      {"legacy [10]", Hex("0d 0a 00 00 00 00 00 00 00"), {10}},
      {"legacy [5, 10]",
       Hex("05 00 00 00 30 10 40 00 0d 0a 00 00 00 00 00 00 00"), {5, 10}},
      // Links 0x003a0a48 and 0x003a0a60 hold 0a as well; 0x1a and 0x0d
      // (a 0d not followed by 0a) are data, not the end of it.
      {"legacy [10, 26, 13]",
       Hex("0d 0a 00 00 00 48 0d 0a 3a 00 1a 00 00 00 60 0d 0a 3a 00 "
           "0d 00 00 00 00 00 00 00"),
       {10, 26, 13}},
      {"legacy 0x1a first",
       Hex("1a 00 00 00 48 0d 0a 3a 00 0d 0a 00 00 00 00 00 00 00"),
       {26, 10}},
      // 24 bytes, whole records to the eye, but the first link reads
      // 0x0a0d0a0d, not 1: legacy [0x0a0a0a0a, 7].
      {"legacy of a whole-record size",
       Hex("0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a 0d 0a "
           "07 00 00 00 00 00 00 00"),
       {0x0A0A0A0A, 7}},
      // The value 0x0a0d was stored as 0d 0d 0a 00 00.
      {"legacy 0d before a pair",
       Hex("0d 0d 0a 00 00 00 00 00 00"), {kCrLf}},

      // --- look legacy, but one condition fails: plain records ---
      {"a 0a without 0d",
       Hex("0d 0a 00 00 0a 00 00 00 00 00 00 00 00 00 00 00 00"),
       {kCrLf, 0}},
      {"size less pairs not whole records",
       Hex("0d 0a 00 00 00 00 00 00 00 00"), {kCrLf}},
      {"last link not 0", Hex("0d 0a 00 00 00 00 00 00 01"), {kCrLf}},
  };
  return cases;
}

TEST(EncodeChain, WritesLittleEndianRecordsLinkedOneThenZero) {
  struct Case {
    const char* label;
    std::vector<ElemType> values;
    std::string want;
  } cases[] = {
      {"empty list", {}, ""},
      {"[1, 2]", {1, 2}, Hex("01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00")},
      {"[INT_MIN]", {INT_MIN}, Hex("00 00 00 80 00 00 00 00")},
      {"[-1]", {-1}, Hex("ff ff ff ff 00 00 00 00")},
      {"[INT_MAX]", {INT_MAX}, Hex("ff ff ff 7f 00 00 00 00")},
      {"no newline translation", {10, 0x0A0D},
       Hex("0a 00 00 00 01 00 00 00 0d 0a 00 00 00 00 00 00")},
      {"[0x12345678, 7, 0]", {0x12345678, 7, 0},
       Hex("78 56 34 12 01 00 00 00 07 00 00 00 01 00 00 00 "
           "00 00 00 00 00 00 00 00")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Encode(c.values), c.want);
  }
}

// Records written a few at a time, with any room, make the same bytes.
TEST(EncodeRecords, PiecesMakeTheWholeEncoding) {
  std::vector<ElemType> values = {10, 26, 13, -1, INT_MIN, INT_MAX, 0};
  std::vector<LNode> nodes = Nodes(values);
  std::string want = Hex(
      "0a 00 00 00 01 00 00 00 1a 00 00 00 01 00 00 00 "
      "0d 00 00 00 01 00 00 00 ff ff ff ff 01 00 00 00 "
      "00 00 00 80 01 00 00 00 ff ff ff 7f 01 00 00 00 "
      "00 00 00 00 00 00 00 00");
  for (std::size_t cap = kRecordSize; cap <= want.size() + 1; ++cap) {
    SCOPED_TRACE("room " + std::to_string(cap));
    std::string got;
    const LNode* p = nodes.data();
    std::vector<unsigned char> buf(cap);
    while (p != nullptr) {
      std::size_t n = EncodeRecords(&p, buf.data(), cap);
      ASSERT_GT(n, 0u);
      ASSERT_LE(n, cap);
      got.append(reinterpret_cast<const char*>(buf.data()), n);
    }
    EXPECT_EQ(got, want);
  }
}

TEST(DataFile, RoundTripsBoundaryValues) {
  std::vector<ElemType> values = {10, 26, 13, -1, INT_MIN, INT_MAX, 0, 1};
  EXPECT_EQ(DecodeFile(Encode(values)), values);
  for (ElemType v : values) {
    SCOPED_TRACE(v);
    EXPECT_EQ(DecodeFile(Encode({v})), std::vector<ElemType>{v});
  }
}

// Values built from the bytes that matter to the layout (0a, 0d, 1a, 00, ff)
// and from random ones; every list must come back exactly.
TEST(DataFile, RoundTripsRandomLists) {
  std::mt19937 rng(20240611);
  const unsigned char special[] = {0x0A, 0x0D, 0x1A, 0x00, 0xFF};
  auto random_byte = [&]() -> unsigned {
    if (rng() % 2 == 0) return special[rng() % sizeof special];
    return rng() & 0xFF;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<ElemType> values(rng() % 40);
    for (ElemType& v : values) {
      std::uint32_t u = random_byte() | random_byte() << 8 |
                        random_byte() << 16 | random_byte() << 24;
      v = static_cast<ElemType>(static_cast<std::int64_t>(u) -
                                (u >= 0x80000000u ? 0x100000000LL : 0));
    }
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_EQ(DecodeFile(Encode(values)), values);
  }
}

// A prefix of a file keeps its whole records only.
TEST(DataFile, TruncatedFileKeepsWholeRecords) {
  std::vector<ElemType> values = {1, -2, 3, INT_MAX, INT_MIN};
  std::string bytes = Encode(values);
  for (std::size_t len = 0; len <= bytes.size(); ++len) {
    SCOPED_TRACE("length " + std::to_string(len));
    std::vector<ElemType> want(values.begin(),
                               values.begin() + len / kRecordSize);
    EXPECT_EQ(DecodeFile(bytes.substr(0, len)), want);
  }
}

TEST(DataFile, DecodesOddFiles) {
  for (const OddFile& c : OddFiles()) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(DecodeFile(c.bytes), c.want);
  }
}

// A file read in pieces decodes as a whole one, wherever the pieces end: in
// the middle of a record, or between the 0d and the 0a of a pair.
TEST(DataFile, DecodesFilesFedInPieces) {
  std::vector<OddFile> files = OddFiles();
  files.push_back({"encoded", Encode({10, 26, 0x0A0D, -1, 0x0D0A0D0A}),
                   {10, 26, 0x0A0D, -1, 0x0D0A0D0A}});
  for (const OddFile& c : files) {
    SCOPED_TRACE(c.label);
    std::size_t size = c.bytes.size();
    for (std::size_t piece = 1; piece <= size; ++piece) {
      SCOPED_TRACE("pieces of " + std::to_string(piece));
      std::vector<std::size_t> cuts;
      for (std::size_t at = 0; at < size; at += piece) cuts.push_back(at);
      cuts.push_back(size);
      EXPECT_EQ(DecodePieces(c.bytes, cuts), c.want);
    }
    for (std::size_t at = 0; at <= size; ++at) {
      SCOPED_TRACE("split at " + std::to_string(at));
      EXPECT_EQ(DecodePieces(c.bytes, {0, at, at, size}), c.want);
    }
  }
}

}  // namespace
