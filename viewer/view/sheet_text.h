#pragma once

#include <windows.h>

#include "framework/gdi_holders.h"

// The character set a font needs for `text`: ANSI_CHARSET for a text of ASCII only;
// otherwise that of the ANSI code page in force, so that the font mapper gives up a Latin
// face that lacks the text's glyphs (double-byte ones, for instance) for one that has them.
BYTE TextCharset(const char* text);

// For its life, a font with `text`'s glyphs in dc: the current font stays when the text is
// ASCII only or the font is of the character set the text needs; otherwise a font like it
// (face, cell height, weight) of that character set is selected.
class ScopedTextFont {
 public:
  ScopedTextFont(HDC dc, const char* text);
  ScopedTextFont(const ScopedTextFont&) = delete;
  ScopedTextFont& operator=(const ScopedTextFont&) = delete;

 private:
  CGdiObject<HFONT> m_font;
  // Selects nothing, and so puts nothing back, when no font was made.
  CScopedSelect m_select;
};

// The diagonal outline watermark: the text in "Times New Roman" of the character set the text
// needs, as large as the smaller side of r allows (two size steps below the first that
// reaches it), rotated by `angle` degrees counter-clockwise and stroked, never filled,
// centred in r. Draws nothing for an absent or empty text, or when no font fits.
void DrawRotatedText(HDC dc, int angle, const RECT& r, const char* text);

// Strokes the outline of `text` in the device context's current (rotated) font so that the
// rotated text's centre falls on the centre of r.
void StrokeTextOutline(HDC dc, const char* text, const RECT& r, double angle);
