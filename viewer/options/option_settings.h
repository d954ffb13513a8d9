#pragma once

#include <string>
#include <vector>

// Page border styles, in the order of the panel's "Page Boarder:" items.
constexpr int kPageBorderNone = 0;
constexpr int kPageBorderSeparator = 1;
constexpr int kPageBorderFrame = 2;

// Page number positions, in the order of the panel's "Page Number:" items.
constexpr int kPageNumberNone = 0;
constexpr int kPageNumberLeftTop = 1;
constexpr int kPageNumberCenterTop = 2;
constexpr int kPageNumberRightTop = 3;
constexpr int kPageNumberLeftBottom = 4;
constexpr int kPageNumberCenterBottom = 5;
constexpr int kPageNumberRightBottom = 6;

// Margin levels "None" to "Original": the page moves by that many eighths of its spare room.
constexpr int kPageMarginsNone = 0;
constexpr int kPageMarginsOriginal = 4;

// What a watermark record's text is drawn as.
constexpr int kWatermarkTypeHeader = 0;
constexpr int kWatermarkTypeOutline = 1;
constexpr int kWatermarkTypeFooter = 2;

// One named text definition; type is kept as read, even when it names no known kind.
struct WatermarkRecord {
  std::string name;
  std::string content;
  int type = kWatermarkTypeOutline;
};

inline bool operator==(const WatermarkRecord& a, const WatermarkRecord& b) {
  return a.name == b.name && a.content == b.content && a.type == b.type;
}

// The values by which pages are placed in their cells and every sheet is decorated.
struct OptionSettings {
  int pageBorder = kPageBorderSeparator;
  int pageNumberPos = kPageNumberNone;
  int pageMargins = kPageMarginsNone;
  // 0 = no watermark; k >= 1 = watermarks[k - 1].
  int watermarkSel = 0;
  int startPage = 1;
  std::vector<WatermarkRecord> watermarks;
};

// The record watermarkSel names, or nullptr for none. A selection left pointing past the
// list (the editor can delete records under it) names none rather than a missing record.
inline const WatermarkRecord* SelectedWatermark(const OptionSettings& settings) {
  const int index = settings.watermarkSel - 1;
  if (index < 0 || index >= static_cast<int>(settings.watermarks.size())) return nullptr;
  return &settings.watermarks[static_cast<size_t>(index)];
}
