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

}  // namespace

void ScanBytes(LayoutScan* scan, const unsigned char* data, std::size_t n) {
  if (n == 0) return;
  std::uint64_t lf = data[0] == 0x0A;
  std::uint64_t crlf = data[0] == 0x0A && scan->prev == 0x0D;
  for (std::size_t i = 1; i < n; ++i) {
    lf += data[i] == 0x0A;
    crlf += (data[i] == 0x0A) & (data[i - 1] == 0x0D);
  }
  scan->lf += lf;
  scan->crlf += crlf;
  scan->prev = data[n - 1];
  for (std::size_t i = 0; i < n;) {
    if (scan->fill == 0 && n - i >= kRecordSize) {
      NoteLink(scan, Load32(data + i + 4));
      i += kRecordSize;
      continue;
    }
    scan->record[scan->fill++] = data[i++];
    if (scan->fill == kRecordSize) {
      NoteLink(scan, Load32(scan->record + 4));
      scan->fill = 0;
    }
  }
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
  std::size_t count = 0;
  if (d->layout == FileLayout::kPlain) {
    for (std::size_t i = 0; i < n; ++i) {
      if (Take(d, data[i])) out[count++] = ToElem(Load32(d->record));
    }
    return count;
  }
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
