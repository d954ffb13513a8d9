#include "display_metrics.h"

#include <windows.h>

namespace {

bool ReadScreenDeviceCaps(DisplayMetrics& metrics) {
  const HWND desktop = GetDesktopWindow();
  const HDC screen = GetDC(desktop);
  if (!screen) return false;
  metrics.horzSizeMm = GetDeviceCaps(screen, HORZSIZE);
  metrics.vertSizeMm = GetDeviceCaps(screen, VERTSIZE);
  metrics.horzRes = GetDeviceCaps(screen, HORZRES);
  metrics.vertRes = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(desktop, screen);
  return true;
}

DisplayMetricsSource g_source = ReadScreenDeviceCaps;

}  // namespace

bool ReadDisplayMetrics(DisplayMetrics& metrics) { return g_source(metrics); }

DisplayMetricsSource SetDisplayMetricsSource(DisplayMetricsSource source) {
  DisplayMetricsSource previous = g_source;
  g_source = source ? source : ReadScreenDeviceCaps;
  return previous;
}
