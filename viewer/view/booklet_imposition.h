#pragma once

// Booklet order: two pages side by side on each side of a sheet, so that the printed stack,
// folded in the middle, reads in page order. Sheets alternate front, back, front, ...; the
// job is padded with blank pages to a multiple of four. Pages count from 0.

// The job's page count padded to a multiple of four; 0 for no pages.
int BookletPaddedCount(int pageCount);

// Sides of paper a booklet of this many pages prints (fronts and backs).
int BookletSheetCount(int pageCount);

// The page in column 0 (left) or 1 (right) of a side; at or past pageCount it is a blank
// padding page.
int BookletPageOfCell(int pageCount, int sheet, int column);

struct BookletPlace {
  int sheet;
  int column;
};

// Where a page of the job lands; the inverse of BookletPageOfCell.
BookletPlace BookletPlaceOfPage(int pageCount, int page);
