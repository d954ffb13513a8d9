#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Plays a page's metafile into `area` like PlayEnhMetaFile, leaving out records that name
// a slot outside the metafile's own object table: such a record cannot draw anything
// meaningful, and some players read past the table on it (real spool pages select the
// stock colour space that way). With `lastRecord`, only the records up to that one (the
// header being record 0) are played: what the page shows at that point.
BOOL PlayPageMetafile(HDC dc, HENHMETAFILE page, const RECT& area,
                      std::size_t lastRecord = SIZE_MAX);

// True when the record can be played safely against an object table of `tableSize` slots.
bool IsPlayableRecord(const ENHMETARECORD& record, UINT tableSize);

// Opens a page file as a metafile the platform can walk: a page whose record chain breaks
// keeps only its whole records before the break (the platform's own walk never ends on
// some broken chains). nullptr when the file cannot be read or has no whole header.
HENHMETAFILE LoadCheckedMetafile(const std::string& path);

// The same rule on a page's bytes in memory: a metafile holding its own copy of them.
// nullptr, leaving the page to LoadCheckedMetafile, when no whole header is there or the
// header counts more bytes than there are.
HENHMETAFILE MetafileFromPageBytes(const unsigned char* page, std::size_t size);
