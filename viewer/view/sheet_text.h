#pragma once

#include <windows.h>

// The diagonal outline watermark: the text in "Times New Roman", as large as the smaller
// side of r allows (two size steps below the first that reaches it), rotated by `angle`
// degrees counter-clockwise and stroked, never filled, centred in r. Draws nothing for an
// absent or empty text, or when no font fits.
void DrawRotatedText(HDC dc, int angle, const RECT& r, const char* text);

// Strokes the outline of `text` in the device context's current (rotated) font so that the
// rotated text's centre falls on the centre of r.
void StrokeTextOutline(HDC dc, const char* text, const RECT& r, double angle);
