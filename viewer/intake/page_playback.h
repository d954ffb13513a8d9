#pragma once

#include <windows.h>

// Plays a page's metafile into `area` like PlayEnhMetaFile, leaving out records that name
// a slot outside the metafile's own object table: such a record cannot draw anything
// meaningful, and some players read past the table on it (real spool pages select the
// stock colour space that way).
BOOL PlayPageMetafile(HDC dc, HENHMETAFILE page, const RECT& area);

// True when the record can be played safely against an object table of `tableSize` slots.
bool IsPlayableRecord(const ENHMETARECORD& record, UINT tableSize);
