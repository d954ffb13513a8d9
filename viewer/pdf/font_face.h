#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

// A font as a metafile's font record asks for it.
struct FontRequest {
  std::u16string faceName;
  int weight = 400;
  bool italic = false;
  std::uint8_t charset = 1;  // DEFAULT_CHARSET
  // The LOGFONT's lfPitchAndFamily: what stands in for a face that is not installed.
  std::uint8_t pitchAndFamily = 0;

  bool operator<(const FontRequest& other) const {
    return std::tie(faceName, weight, italic, charset, pitchAndFamily) <
           std::tie(other.faceName, other.weight, other.italic, other.charset, other.pitchAndFamily);
  }
};

// One TrueType face's tables, by tag ('glyf' as 0x676C7966). Only the platform knows where
// a font's bytes live: GetFontData in the viewer, font files natively.
class FontFace {
 public:
  virtual ~FontFace() = default;
  // The whole table; empty when the face has none.
  virtual std::vector<std::uint8_t> Table(std::uint32_t tag) const = 0;
};

class FontResolver {
 public:
  virtual ~FontResolver() = default;
  // The face the platform draws `request` with; nullptr when it has no TrueType tables
  // (bitmap, vector or device fonts).
  virtual std::shared_ptr<const FontFace> Resolve(const FontRequest& request) = 0;
};
