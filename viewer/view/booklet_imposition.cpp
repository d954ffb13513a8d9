#include "booklet_imposition.h"

int BookletPaddedCount(int pageCount) {
  if (pageCount <= 0) return 0;
  return pageCount + (4 - pageCount % 4) % 4;
}

int BookletSheetCount(int pageCount) { return BookletPaddedCount(pageCount) / 2; }

int BookletPageOfCell(int pageCount, int sheet, int column) {
  const int last = BookletPaddedCount(pageCount) - 1;
  // Leaf f carries, counted from 0: front (last - 2f, 2f), back (2f + 1, last - 2f - 1).
  const int leaf = sheet / 2;
  const bool front = sheet % 2 == 0;
  const int outer = front ? last - 2 * leaf : 2 * leaf + 1;
  const int inner = front ? 2 * leaf : last - 2 * leaf - 1;
  return column == 0 ? outer : inner;
}

BookletPlace BookletPlaceOfPage(int pageCount, int page) {
  const int padded = BookletPaddedCount(pageCount);
  // The first half runs forwards through the leaves, the second half backwards.
  if (page < padded / 2) {
    const int leaf = page / 2;
    return page % 2 == 0 ? BookletPlace{2 * leaf, 1} : BookletPlace{2 * leaf + 1, 0};
  }
  const int fromEnd = padded - 1 - page;
  const int leaf = fromEnd / 2;
  return fromEnd % 2 == 0 ? BookletPlace{2 * leaf, 0} : BookletPlace{2 * leaf + 1, 1};
}
