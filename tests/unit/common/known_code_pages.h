#pragma once

#include <vector>

#include "dbcs_text.h"

// The lead-byte ranges the double-byte code pages of Japanese (932), Simplified Chinese
// (936), Korean (949) and Traditional Chinese (950) Windows publish in their CPINFO.
struct KnownCodePage {
  int number;
  LeadByteSet lead;
};

inline std::vector<KnownCodePage> KnownDoubleByteCodePages() {
  LeadByteSet japanese;
  japanese.AddRange(0x81, 0x9F);
  japanese.AddRange(0xE0, 0xFC);
  LeadByteSet chineseOrKorean;
  chineseOrKorean.AddRange(0x81, 0xFE);
  return {{932, japanese}, {936, chineseOrKorean}, {949, chineseOrKorean}, {950, chineseOrKorean}};
}
