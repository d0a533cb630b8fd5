#include "entry/datafile.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t Load32(const unsigned char* b) {
  return static_cast<std::uint32_t>(b[0]) |
         static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 |
         static_cast<std::uint32_t>(b[3]) << 24;
}

void Store32(std::uint32_t v, unsigned char* b) {
  b[0] = static_cast<unsigned char>(v);
  b[1] = static_cast<unsigned char>(v >> 8);
  b[2] = static_cast<unsigned char>(v >> 16);
  b[3] = static_cast<unsigned char>(v >> 24);
}

// Two's complement without relying on the conversion of an out-of-range
// unsigned value.
ElemType ToElem(std::uint32_t v) {
  if (v < 0x80000000u) return static_cast<ElemType>(v);
  return static_cast<ElemType>(static_cast<std::int64_t>(v) - 0x100000000LL);
}

// Keeps the last 8 bytes of the file in scan->tail.
void RememberTail(LayoutScan* scan, const unsigned char* data, std::size_t n) {
  constexpr std::size_t kTail = sizeof scan->tail;
  if (n >= kTail) {
    std::memcpy(scan->tail, data + n - kTail, kTail);
    scan->tail_len = kTail;
    return;
  }
  std::size_t keep = std::min(scan->tail_len, kTail - n);
  std::memmove(scan->tail, scan->tail + scan->tail_len - keep, keep);
  std::memcpy(scan->tail + keep, data, n);
  scan->tail_len = keep + n;
}

void NoteLink(LayoutScan* scan, std::uint32_t link) {
  if (scan->records > 0 && scan->last_link != 1) scan->links_ok = false;
  scan->last_link = link;
  ++scan->records;
}

// The last link word of the file once every 0x0D 0x0A is turned back into
// 0x0A. It lies within the file's last 8 bytes: 4 bytes of the turned-back
// file come from at most 8 of the stored ones.
std::uint32_t LegacyLastLink(const LayoutScan& scan) {
  unsigned char out[8];
  std::size_t len = 0;
  for (std::size_t i = 0; i < scan.tail_len; ++i) {
    bool pair = scan.tail[i] == 0x0D && i + 1 < scan.tail_len &&
                scan.tail[i + 1] == 0x0A;
    if (!pair) out[len++] = scan.tail[i];
  }
  return len < 4 ? 1 : Load32(out + len - 4);
}

// Adds byte b to the record under way; true when that completes it.
bool Take(RecordDecoder* d, unsigned char b) {
  d->record[d->fill++] = b;
  if (d->fill < kRecordSize) return false;
  d->fill = 0;
  return true;
}

// Counts the bytes 0x0A, and those right after a 0x0D. This pass sees every
// byte of a file, so it counts in blocks of fewer than 256 bytes with
// byte-sized counters, which lets the compiler test many bytes at once.
void CountLineBreaks(LayoutScan* scan, const unsigned char* data,
                     std::size_t n) {
  constexpr std::size_t kBlock = 240;
  std::uint64_t lf = data[0] == 0x0A;
  std::uint64_t crlf = data[0] == 0x0A && scan->prev == 0x0D;
  for (std::size_t i = 1; i < n;) {
    std::size_t end = std::min(n, i + kBlock);
    unsigned char block_lf = 0;
    unsigned char block_crlf = 0;
    for (; i < end; ++i) {
      block_lf += data[i] == 0x0A;
      block_crlf += (data[i] == 0x0A) & (data[i - 1] == 0x0D);
    }
    lf += block_lf;
    crlf += block_crlf;
  }
  scan->lf += lf;
  scan->crlf += crlf;
  scan->prev = data[n - 1];
}

// Completes the record that an earlier piece began; returns the bytes used.
std::size_t FinishRecord(LayoutScan* scan, const unsigned char* data,
                         std::size_t n) {
  if (scan->fill == 0) return 0;
  std::size_t take = std::min(n, kRecordSize - scan->fill);
  std::memcpy(scan->record + scan->fill, data, take);
  scan->fill += take;
  if (scan->fill == kRecordSize) {
    NoteLink(scan, Load32(scan->record + 4));
    scan->fill = 0;
  }
  return take;
}

// Keeps the bytes of a record that the piece only begins (fewer than 8).
void BeginRecord(LayoutScan* scan, const unsigned char* data, std::size_t n) {
  if (n == 0) return;
  std::memcpy(scan->record, data, std::min(n, kRecordSize));
  scan->fill = std::min(n, kRecordSize);
}

// Notes the links of the whole records at the start of data, as NoteLink
// would one by one; returns the bytes they take.
std::size_t NoteWholeRecords(LayoutScan* scan, const unsigned char* data,
                             std::size_t n) {
  std::size_t count = n / kRecordSize;
  if (count == 0) return 0;
  if (scan->records > 0 && scan->last_link != 1) scan->links_ok = false;
  std::uint32_t stray = 0;  // where links before the newest differ from 1
  for (std::size_t r = 0; r + 1 < count; ++r) {
    stray |= Load32(data + r * kRecordSize + 4) ^ 1u;
  }
  if (stray != 0) scan->links_ok = false;
  scan->last_link = Load32(data + (count - 1) * kRecordSize + 4);
  scan->records += count;
  return count * kRecordSize;
}

// Legacy layout: each 0x0D 0x0A pair stands for one byte 0x0A; a 0x0D
// before anything else is a byte of its own.
std::size_t DecodeLegacy(RecordDecoder* d, const unsigned char* data,
                         std::size_t n, ElemType* out) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char b = data[i];
    if (d->pending_cr) {
      d->pending_cr = false;
      if (b != 0x0A && Take(d, 0x0D)) out[count++] = ToElem(Load32(d->record));
    }
    if (b == 0x0D) {
      d->pending_cr = true;
    } else if (Take(d, b)) {
      out[count++] = ToElem(Load32(d->record));
    }
  }
  return count;
}

}  // namespace

void ScanBytes(LayoutScan* scan, const unsigned char* data, std::size_t n) {
  if (n == 0) return;
  CountLineBreaks(scan, data, n);
  std::size_t i = FinishRecord(scan, data, n);
  i += NoteWholeRecords(scan, data + i, n - i);
  BeginRecord(scan, data + i, n - i);
  scan->size += n;
  RememberTail(scan, data, n);
}

FileLayout DecideLayout(const LayoutScan& scan) {
  bool whole_records = scan.records > 0 && scan.fill == 0;
  if (scan.lf == 0 || (whole_records && scan.links_ok && scan.last_link == 0)) {
    return FileLayout::kPlain;
  }
  if (scan.lf == scan.crlf && (scan.size - scan.crlf) % kRecordSize == 0 &&
      LegacyLastLink(scan) == 0) {
    return FileLayout::kLegacyCrLf;
  }
  return FileLayout::kPlain;
}

std::size_t DecodeBytes(RecordDecoder* d, const unsigned char* data,
                        std::size_t n, ElemType* out) {
  if (d->layout == FileLayout::kLegacyCrLf) {
    return DecodeLegacy(d, data, n, out);
  }
  std::size_t count = 0;
  std::size_t i = 0;
  for (; d->fill > 0 && i < n; ++i) {
    if (Take(d, data[i])) out[count++] = ToElem(Load32(d->record));
  }
  // Whole records are read where they lie.
  for (; n - i >= kRecordSize; i += kRecordSize) {
    out[count++] = ToElem(Load32(data + i));
  }
  for (; i < n; ++i) Take(d, data[i]);  // fewer than 8: no record completes
  return count;
}

std::size_t EncodeRecords(const LNode** p, unsigned char* out,
                          std::size_t cap) {
  std::size_t used = 0;
  for (; *p != nullptr && cap - used >= kRecordSize; *p = (*p)->next) {
    Store32(static_cast<std::uint32_t>((*p)->data), out + used);
    Store32((*p)->next != nullptr ? 1 : 0, out + used + 4);
    used += kRecordSize;
  }
  return used;
}

std::vector<ElemType> DecodeFile(std::string_view bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  LayoutScan scan;
  ScanBytes(&scan, data, bytes.size());
  RecordDecoder decoder;
  decoder.layout = DecideLayout(scan);
  std::vector<ElemType> values(bytes.size() / kRecordSize + 1);
  values.resize(DecodeBytes(&decoder, data, bytes.size(), values.data()));
  return values;
}

std::string EncodeChain(const LNode* first) {
  std::string bytes;
  unsigned char buf[4096];
  while (first != nullptr) {
    std::size_t n = EncodeRecords(&first, buf, sizeof buf);
    bytes.append(reinterpret_cast<const char*>(buf), n);
  }
  return bytes;
}
