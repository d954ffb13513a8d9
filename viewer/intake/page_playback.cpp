#include "page_playback.h"

namespace {

// Stock objects are named by their index with the high bit set.
constexpr DWORD kStockObjectFlag = 0x80000000;

enum class ObjectUse { None, TableOnly, TableOrStock };

// How a record names an object in its first parameter.
ObjectUse ObjectUseOf(DWORD type) {
  switch (type) {
    case EMR_SELECTOBJECT:
    case EMR_SELECTPALETTE:
      return ObjectUse::TableOrStock;
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_DELETEOBJECT:
    case EMR_CREATEPALETTE:
    case EMR_SETPALETTEENTRIES:
    case EMR_RESIZEPALETTE:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
    case EMR_EXTCREATEPEN:
    case EMR_CREATECOLORSPACE:
    case EMR_SETCOLORSPACE:
    case EMR_DELETECOLORSPACE:
    case EMR_CREATECOLORSPACEW:
      return ObjectUse::TableOnly;
    default:
      return ObjectUse::None;
  }
}

int CALLBACK PlayCheckedRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record,
                               int tableSize, LPARAM) {
  if (IsPlayableRecord(*record, static_cast<UINT>(tableSize)))
    PlayEnhMetaFileRecord(dc, table, record, static_cast<UINT>(tableSize));
  return 1;
}

}  // namespace

bool IsPlayableRecord(const ENHMETARECORD& record, UINT tableSize) {
  const ObjectUse use = ObjectUseOf(record.iType);
  if (use == ObjectUse::None) return true;
  if (record.nSize < sizeof(EMR) + sizeof(DWORD)) return false;
  const DWORD index = record.dParm[0];
  if (index & kStockObjectFlag) return use == ObjectUse::TableOrStock;
  // Slot 0 stands for the metafile itself.
  return index > 0 && index < tableSize;
}

BOOL PlayPageMetafile(HDC dc, HENHMETAFILE page, const RECT& area) {
  return EnumEnhMetaFile(dc, page, PlayCheckedRecord, nullptr, &area);
}
