#include "page_records.h"

#include <algorithm>

#include "spool_format.h"

namespace {

// Stock objects are named by their index with the high bit set.
constexpr std::uint32_t kStockObjectFlag = 0x80000000;
constexpr std::size_t kRecordPrefixBytes = 8;
constexpr std::size_t kPixelFormatFieldsEnd = 100;

enum class ObjectUse { None, TableOnly, TableOrStock };

// How a record names an object in its first parameter.
ObjectUse ObjectUseOf(std::uint32_t type) {
  switch (type) {
    case kEmrSelectObject:
    case kEmrSelectPalette:
      return ObjectUse::TableOrStock;
    case kEmrCreatePen:
    case kEmrCreateBrushIndirect:
    case kEmrDeleteObject:
    case kEmrCreatePalette:
    case kEmrSetPaletteEntries:
    case kEmrResizePalette:
    case kEmrExtCreateFontIndirectW:
    case kEmrCreateMonoBrush:
    case kEmrCreateDibPatternBrushPt:
    case kEmrExtCreatePen:
    case kEmrCreateColorSpace:
    case kEmrSetColorSpace:
    case kEmrDeleteColorSpace:
    case kEmrCreateColorSpaceW:
      return ObjectUse::TableOnly;
    default:
      return ObjectUse::None;
  }
}

void PutLittleEndian32(unsigned char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Clears a (count, offset) pair of the header whose data would not lie inside it.
void KeepInsideHeader(unsigned char* header, std::size_t headerSize, std::size_t fieldOffset,
                      std::uint64_t unitBytes) {
  const std::uint64_t count = ReadLittleEndian32(header + fieldOffset);
  const std::uint64_t offset = ReadLittleEndian32(header + fieldOffset + 4);
  if (count == 0 || offset + count * unitBytes <= headerSize) return;
  PutLittleEndian32(header + fieldOffset, 0);
  PutLittleEndian32(header + fieldOffset + 4, 0);
}

}  // namespace

RecordChain WalkRecordChain(const unsigned char* page, std::size_t length) {
  RecordChain chain;
  chain.broken = true;
  if (length < kMinEmfHeaderRecordBytes || ReadLittleEndian32(page) != kEmrHeader) return chain;
  const std::uint64_t recorded = ReadLittleEndian32(page + kEmfBytesOffset);
  const std::size_t bound = static_cast<std::size_t>(std::min<std::uint64_t>(recorded, length));
  std::size_t at = 0;
  while (bound - at >= kRecordPrefixBytes) {
    const std::uint32_t type = ReadLittleEndian32(page + at);
    const std::uint32_t size = ReadLittleEndian32(page + at + 4);
    const std::size_t least = at == 0 ? kMinEmfHeaderRecordBytes : kRecordPrefixBytes;
    if (size < least || size % 4 != 0 || size > bound - at) return chain;
    at += size;
    chain.wholeBytes = at;
    ++chain.records;
    if (type == kEmrEof) {
      chain.broken = false;
      return chain;
    }
  }
  // Without an end record the chain must fill the recorded size exactly.
  chain.broken = at != recorded;
  return chain;
}

std::vector<unsigned char> CutAtBrokenRecord(const unsigned char* page, const RecordChain& chain) {
  std::vector<unsigned char> cut;
  if (chain.records == 0) return cut;
  const std::size_t headerSize = ReadLittleEndian32(page + 4);
  cut.reserve(chain.wholeBytes + kEmrEofBytes);
  cut.assign(page, page + chain.wholeBytes);
  unsigned char* header = cut.data();
  PutLittleEndian32(header + kEmfBytesOffset,
                    static_cast<std::uint32_t>(chain.wholeBytes + kEmrEofBytes));
  PutLittleEndian32(header + kEmfRecordsOffset, chain.records + 1);
  // The palette the header announces would be looked for in the end record.
  PutLittleEndian32(header + kEmfPalEntriesOffset, 0);
  KeepInsideHeader(header, headerSize, kEmfDescriptionOffset, 2);
  if (headerSize >= kPixelFormatFieldsEnd)
    KeepInsideHeader(header, headerSize, kEmfPixelFormatOffset, 1);
  const std::uint32_t eof[] = {kEmrEof, kEmrEofBytes, 0, 16, kEmrEofBytes};
  for (std::uint32_t field : eof) {
    unsigned char bytes[4];
    PutLittleEndian32(bytes, field);
    cut.insert(cut.end(), bytes, bytes + 4);
  }
  return cut;
}

bool IsPlayableRecord(const unsigned char* record, std::size_t size, std::uint32_t tableSize) {
  if (size < kRecordPrefixBytes) return false;
  const ObjectUse use = ObjectUseOf(ReadLittleEndian32(record));
  if (use == ObjectUse::None) return true;
  if (size < kRecordPrefixBytes + 4) return false;
  const std::uint32_t index = ReadLittleEndian32(record + kRecordPrefixBytes);
  if (index & kStockObjectFlag) return use == ObjectUse::TableOrStock;
  return index > 0 && index < tableSize;
}
