#pragma once

#include <windows.h>

#include <string>

// Zoom steps in percent; the view's zoomIndex indexes this table.
constexpr int kZoomPercents[] = {5, 10, 15, 20, 30, 50, 70, 100, 150, 200, 300, 500, 700, 1000};
constexpr int kZoomIndexCount = static_cast<int>(sizeof(kZoomPercents) / sizeof(kZoomPercents[0]));
constexpr int kZoomIndexNormal = 7;

// The percentage of a zoom index, the index kept within the table.
int ZoomPercent(int zoomIndex);

bool CanZoomOut(int zoomIndex);
bool CanZoomIn(int zoomIndex);
bool CanZoomNormal(int zoomIndex);

// The largest side of the sheet on screen: what a scroll range and a coordinate of 9x hold.
constexpr int kMaxSheetPixels = 32767;

// The sheet on screen: one pixel is half a millimetre at 100 %; sizes in tenths of a mm.
// Each side is held within 0 .. kMaxSheetPixels.
SIZE ZoomedSheetSize(int sheetWidth, int sheetHeight, int zoomIndex);

// The sheet GoToSheet settles on: below 0 becomes 0, past the end the last sheet (never
// below 0, so 0 when there are no sheets).
int ClampSheet(int sheet, int sheetCount);

bool IsValidSheet(int sheet, int sheetCount);

// "Go to first page" and "Go to previous page".
bool CanGoBack(int currentSheet);
// "Go to next page" and "Go to last page".
bool CanGoForward(int currentSheet, int sheetCount);

constexpr char kGoToInfoFormat[] = "Current Page:%d, Count Page:%d";

// The go-to dialog's information line for the current sheet.
std::string GoToInfoText(int currentSheet, int sheetCount);

// The sheet the go-to dialog's number names (counted from 1), or -1 when it names none.
int SheetOfGoToNumber(int pageNumber, int sheetCount);
