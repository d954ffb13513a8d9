#pragma once

#include <windows.h>

#include <cstdint>

#include "page_measures.h"
#include "page_store.h"

// Turns a picture of 32-bit pixels, rows top down, by quarter turns clockwise:
// `upright` is width x height, `turned` receives the turned picture (height x width for
// an odd count of turns).
void TurnPixels(const std::uint32_t* upright, int width, int height, int quarterTurns,
                std::uint32_t* turned);

// Draws a turned page into `area` as a picture: played upright into a bitmap of at most
// kMaxTurnedPixels at the device's resolution, then copied turned. For printers, whose
// drivers may not follow world transforms, and for the 9x family, which has none. False
// when the bitmap cannot be had. `trim` says the part of the frame the picture shows.
bool DrawTurnedPicture(HDC dc, const PageEntry& entry, const RECT& area,
                       const PageTrim& trim = PageTrim());

// About 300 dots an inch on an A4 page: sharp on paper, 16 MiB a picture.
constexpr long long kMaxTurnedPixels = 4LL * 1024 * 1024;
