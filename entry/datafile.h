// The data file format, as bytes; no disk access here.
//
// A data file has no header: it is one 8-byte record per element, in list
// order. An empty list is an empty file.
//   offset 0, 4 bytes: the element, a 32-bit signed integer, little-endian
//   offset 4, 4 bytes: the link word, little-endian: 1 in every record but
//                      the last, 0 in the last
// The same bytes on every host; loading takes only the elements.
//
// Older files were written through a text-mode stream that stored every byte
// 0x0A of a record as 0x0D 0x0A. The loader recognises them (see FileLayout)
// and turns each such pair back into 0x0A. Bytes after the last whole record
// are ignored.
#ifndef LINKLIST_ENTRY_DATAFILE_H_
#define LINKLIST_ENTRY_DATAFILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/list.h"

constexpr std::size_t kRecordSize = 8;

enum class FileLayout {
  kPlain,       // 8-byte records as they are
  kLegacyCrLf,  // records with every 0x0A stored as 0x0D 0x0A
};

// What deciding a file's layout needs to know, gathered over its bytes.
struct LayoutScan {
  std::uint64_t size = 0;
  std::uint64_t lf = 0;       // bytes 0x0A
  std::uint64_t crlf = 0;     // bytes 0x0A right after a byte 0x0D
  std::uint64_t records = 0;  // complete 8-byte records
  bool links_ok = true;       // every complete record but the newest links 1
  std::uint32_t last_link = 1;
  unsigned char prev = 0;             // the byte before the next one fed
  unsigned char record[kRecordSize] = {};  // the record under way
  std::size_t fill = 0;
  unsigned char tail[8] = {};  // the last bytes fed, oldest first
  std::size_t tail_len = 0;
};

// Feeds the next n bytes of the file.
void ScanBytes(LayoutScan* scan, const unsigned char* data, std::size_t n);

// A file is plain when it holds no 0x0A, or is whole records whose links read
// 1, ..., 1, 0. Else it is legacy when every 0x0A follows a 0x0D, the size
// less the pairs is a multiple of 8, and the last link (pairs turned back)
// is 0. Anything else is read as plain.
FileLayout DecideLayout(const LayoutScan& scan);

// Turns a file's bytes, fed in pieces, into elements.
struct RecordDecoder {
  FileLayout layout = FileLayout::kPlain;
  unsigned char record[kRecordSize] = {};
  std::size_t fill = 0;     // bytes of the record begun
  bool pending_cr = false;  // legacy: a 0x0D whose next byte is not seen yet
};

// Decodes the next n bytes; writes the elements they complete to out, which
// must have room for n / 8 + 1, and returns how many it wrote.
std::size_t DecodeBytes(RecordDecoder* decoder, const unsigned char* data,
                        std::size_t n, ElemType* out);

// Writes the records of the chain starting at *p into out (room for cap
// bytes, at least 8) and moves *p past them; returns the bytes written.
std::size_t EncodeRecords(const LNode** p, unsigned char* out, std::size_t cap);

// Whole-buffer forms of the above.
std::vector<ElemType> DecodeFile(std::string_view bytes);
std::string EncodeChain(const LNode* first);

#endif  // LINKLIST_ENTRY_DATAFILE_H_
