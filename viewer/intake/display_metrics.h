#pragma once

// The display's size in millimetres and pixels, which turns a page's frame into its size
// in display pixels.
struct DisplayMetrics {
  int horzSizeMm = 0;
  int vertSizeMm = 0;
  int horzRes = 0;
  int vertRes = 0;
};

// Reads the display's metrics; false when there is no display device context.
bool ReadDisplayMetrics(DisplayMetrics& metrics);

using DisplayMetricsSource = bool (*)(DisplayMetrics& metrics);
// Installs a replacement (nullptr restores the display's) and returns the previous one.
DisplayMetricsSource SetDisplayMetricsSource(DisplayMetricsSource source);
