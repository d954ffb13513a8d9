#include "page_playback.h"

#include <new>
#include <vector>

#include "page_file_io.h"
#include "page_records.h"
#include "spool_format.h"

static_assert(kEmrSelectObject == EMR_SELECTOBJECT && kEmrSelectPalette == EMR_SELECTPALETTE &&
                  kEmrExtCreateFontIndirectW == EMR_EXTCREATEFONTINDIRECTW &&
                  kEmrCreateColorSpaceW == EMR_CREATECOLORSPACEW && kEmrEof == EMR_EOF,
              "record types as the platform numbers them");

namespace {

// How far the walk has come and where it stops.
struct RecordWalk {
  std::size_t next = 0;
  std::size_t last = 0;
};

int CALLBACK PlayCheckedRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record,
                               int tableSize, LPARAM data) {
  RecordWalk& walk = *reinterpret_cast<RecordWalk*>(data);
  if (IsPlayableRecord(*record, static_cast<UINT>(tableSize)))
    PlayEnhMetaFileRecord(dc, table, record, static_cast<UINT>(tableSize));
  return walk.next++ < walk.last ? 1 : 0;
}

// A broken page's whole records as a metafile; nullptr when not even its header is whole.
HENHMETAFILE MetafileFromWholeRecords(const unsigned char* page, const RecordChain& chain) {
  std::vector<unsigned char> whole;
  try {
    whole = CutAtBrokenRecord(page, chain);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (whole.empty()) return nullptr;
  return SetEnhMetaFileBits(static_cast<UINT>(whole.size()), whole.data());
}

}  // namespace

bool IsPlayableRecord(const ENHMETARECORD& record, UINT tableSize) {
  return IsPlayableRecord(reinterpret_cast<const unsigned char*>(&record), record.nSize,
                          tableSize);
}

BOOL PlayPageMetafile(HDC dc, HENHMETAFILE page, const RECT& area, std::size_t lastRecord) {
  RecordWalk walk;
  walk.last = lastRecord;
  const BOOL whole = EnumEnhMetaFile(dc, page, PlayCheckedRecord, &walk, &area);
  // A walk stopped on purpose reports failure; it played what it was asked to.
  return whole || walk.next > lastRecord;
}

HENHMETAFILE LoadCheckedMetafile(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadPageBytes(path, bytes)) return nullptr;
  const RecordChain chain = WalkRecordChain(bytes.data(), bytes.size());
  // A whole page is opened from its file, whose memory the system shares with the file.
  if (!chain.broken) return GetEnhMetaFileA(path.c_str());
  return MetafileFromWholeRecords(bytes.data(), chain);
}

HENHMETAFILE MetafileFromPageBytes(const unsigned char* page, std::size_t size) {
  const RecordChain chain = WalkRecordChain(page, size);
  if (chain.broken) return MetafileFromWholeRecords(page, chain);
  // The metafile is the bytes its header counts (a page file runs on to the next page). A
  // whole chain ended early by its end record may count more than the page holds: the
  // platform reads that many, so such a page is left to its check of the page file.
  const std::uint32_t counted = ReadLittleEndian32(page + kEmfBytesOffset);
  if (counted > size) return nullptr;
  return SetEnhMetaFileBits(counted, page);
}
