#pragma once

// What became of one page drawn into a BMP file.
enum class PageRenderResult {
  Refused,     // a path is empty, the file is no metafile page, or its size is not positive
  NotWritten,  // accepted, but the metafile, bitmap or file could not be made
  Written,
};

PageRenderResult RenderPage(const char* pagePath, const char* bmpPath);

// Draws a one-page metafile file onto white at the screen's resolution and depth and saves
// it as a BMP file. Returns 0 when the page was refused, otherwise 1 (even if nothing could
// be written).
int RenderPageToBmp(const char* pagePath, const char* bmpPath);
