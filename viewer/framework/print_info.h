#pragma once

#include <windows.h>

// One print job as the view's printing hooks see it. Pages are numbered from 1.
struct CPrintInfo {
  UINT GetMinPage() const { return m_minPage; }
  UINT GetMaxPage() const { return m_maxPage; }
  void SetMinPage(UINT page) { m_minPage = page; }
  void SetMaxPage(UINT page) { m_maxPage = page; }
  // The range to print: the From-To choice of the print dialog, else every page.
  UINT GetFromPage() const { return m_fromPage; }
  UINT GetToPage() const { return m_toPage; }

  UINT m_minPage = 1;
  UINT m_maxPage = 1;
  UINT m_fromPage = 1;
  UINT m_toPage = 1;
  // The page being printed.
  UINT m_nCurPage = 1;
  // The printable area in the printer's device units: 0, 0, HORZRES, VERTRES.
  RECT m_rectDraw = {0, 0, 0, 0};
  bool m_bPreview = false;
  // Printed without the print dialog, to the current printer, every page.
  bool m_bDirect = false;
  // Set by the print dialog; the printing loop takes the device context over.
  HDC m_printerDC = nullptr;
};

// Printing on both sides: by the printer's duplex unit where it has one, else by hand, the
// fronts first and the restacked sheets' backs after.
struct TwoSidedPrinting {
  bool bothSides = false;
  // Bound at the short edge (landscape sheets, booklets), else at the long one.
  bool shortEdge = false;
  // The printer puts its sheets out face up, so the restacked backs run backwards.
  bool faceUp = false;
};
