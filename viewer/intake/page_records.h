#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The checked player's rules on a page's metafile bytes: which part of its record chain
// can be handed to the platform, and which records are played.

// Record types the rules name (the platform's EMR_ values).
enum EmfRecordType : std::uint32_t {
  kEmrHeader = 1,
  kEmrEof = 14,
  kEmrSelectObject = 37,
  kEmrCreatePen = 38,
  kEmrCreateBrushIndirect = 39,
  kEmrDeleteObject = 40,
  kEmrSelectPalette = 48,
  kEmrCreatePalette = 49,
  kEmrSetPaletteEntries = 50,
  kEmrResizePalette = 51,
  kEmrExtCreateFontIndirectW = 82,
  kEmrCreateMonoBrush = 93,
  kEmrCreateDibPatternBrushPt = 94,
  kEmrExtCreatePen = 95,
  kEmrCreateColorSpace = 99,
  kEmrSetColorSpace = 100,
  kEmrDeleteColorSpace = 101,
  kEmrCreateColorSpaceW = 122,
};

// The header record up to its device size in millimetres: the least a metafile has.
constexpr std::size_t kMinEmfHeaderRecordBytes = 88;
// Offsets in the header record.
constexpr std::size_t kEmfBytesOffset = 48;
constexpr std::size_t kEmfRecordsOffset = 52;
constexpr std::size_t kEmfHandlesOffset = 56;
constexpr std::size_t kEmfDescriptionOffset = 60;
constexpr std::size_t kEmfPalEntriesOffset = 68;
constexpr std::size_t kEmfPixelFormatOffset = 88;
constexpr std::size_t kEmrEofBytes = 20;

// How far a page's record chain holds. The chain starts with the header record and runs
// to the end-of-file record or to the page's recorded size; it breaks at a record of size
// 0, of a size that is not a multiple of 4 or too small for a record, or running past the
// recorded size or the bytes there are. A broken page keeps the whole records before the
// break (`wholeBytes`, `records`); none when the header record itself is broken.
struct RecordChain {
  bool broken = false;
  std::size_t wholeBytes = 0;
  std::uint32_t records = 0;
};

RecordChain WalkRecordChain(const unsigned char* page, std::size_t length);

// A broken page cut after its whole records, with an end-of-file record after them and
// the header's size, record count and references made to match, so the platform walks a
// sound chain. Empty when the header record is not whole.
std::vector<unsigned char> CutAtBrokenRecord(const unsigned char* page, const RecordChain& chain);

// True when a record can be played against an object table of `tableSize` slots: records
// that name an object must name a slot of the table (slot 0 is the metafile itself), or a
// stock object where a selection is meant. `record` holds `size` bytes.
bool IsPlayableRecord(const unsigned char* record, std::size_t size, std::uint32_t tableSize);
