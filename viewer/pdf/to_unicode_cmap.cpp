#include "to_unicode_cmap.h"

#include <vector>

#include "pdf_syntax.h"

namespace {

// A CMap section holds at most 100 entries.
constexpr std::size_t kSectionEntries = 100;

std::string GlyphCode(std::uint16_t glyph) {
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(glyph >> 8), static_cast<std::uint8_t>(glyph)};
  return PdfHexString(bytes, 2);
}

std::string Utf16Hex(const std::u32string& text) {
  std::vector<std::uint8_t> bytes;
  const auto unit = [&](std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    bytes.push_back(static_cast<std::uint8_t>(value));
  };
  for (char32_t c : text) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c > 0xFFFF) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
  }
  return PdfHexString(bytes.data(), bytes.size());
}

bool RangeCharacter(const std::u32string& text) {
  return text.size() == 1 && text[0] <= 0xFFFF && !(text[0] >= 0xD800 && text[0] <= 0xDFFF);
}

void WriteSections(std::string& out, const std::vector<std::string>& entries, const char* kind) {
  for (std::size_t at = 0; at < entries.size(); at += kSectionEntries) {
    const std::size_t count = std::min(kSectionEntries, entries.size() - at);
    out += std::to_string(count) + " begin" + kind + "\n";
    for (std::size_t i = at; i < at + count; ++i) out += entries[i];
    out += std::string("end") + kind + "\n";
  }
}

}  // namespace

std::string ToUnicodeCmap(const std::map<std::uint16_t, std::u32string>& texts) {
  std::vector<std::string> singles, ranges;
  for (auto it = texts.begin(); it != texts.end();) {
    if (it->second.empty()) {
      ++it;
      continue;
    }
    // A range changes only the last byte of both codes.
    auto last = it;
    if (RangeCharacter(it->second)) {
      for (auto next = std::next(it); next != texts.end(); ++next) {
        const auto gap = next->first - it->first;
        if (next->first != last->first + 1 || (next->first >> 8) != (it->first >> 8) ||
            !RangeCharacter(next->second) || next->second[0] != it->second[0] + gap ||
            (it->second[0] & 0xFF) + gap > 0xFF)
          break;
        last = next;
      }
    }
    if (last == it) {
      singles.push_back(GlyphCode(it->first) + " " + Utf16Hex(it->second) + "\n");
    } else {
      ranges.push_back(GlyphCode(it->first) + " " + GlyphCode(last->first) + " " + Utf16Hex(it->second) + "\n");
    }
    it = std::next(last);
  }
  std::string out =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  WriteSections(out, singles, "bfchar");
  WriteSections(out, ranges, "bfrange");
  out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return out;
}
