#include "truetype_subset.h"

#include <map>

#include "byte_order.h"

namespace {

// Outlines nest no deeper than TrueTypeGlyphs draws them.
constexpr int kMaxDepth = 8;
constexpr std::uint32_t kChecksumMagic = 0xB1B0AFBA;
constexpr std::size_t kHeadAdjustment = 8;
constexpr std::size_t kHeadLocaFormat = 50;

void Pad4(Bytes& bytes) {
  while (bytes.size() % 4 != 0) bytes.push_back(0);
}

std::uint32_t Checksum(const Bytes& bytes, std::size_t offset, std::size_t size) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < size; i += 4) {
    std::uint32_t word = 0;
    for (std::size_t k = 0; k < 4; ++k) word = word << 8 | (i + k < size ? bytes[offset + i + k] : 0);
    sum += word;
  }
  return sum;
}

void SetU32BE(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  SetU16BE(bytes, offset, value >> 16);
  SetU16BE(bytes, offset + 2, value & 0xFFFF);
}

Bytes Copy(SfntBytes table) { return Bytes(table.data(), table.data() + table.size()); }

}  // namespace

std::set<std::uint16_t> GlyphClosure(const TrueTypeGlyphs& glyphs, const std::set<std::uint16_t>& drawn) {
  std::set<std::uint16_t> kept = {0};
  std::vector<std::uint16_t> level;
  for (std::uint16_t glyph : drawn) {
    if (glyph < glyphs.Count() && kept.insert(glyph).second) level.push_back(glyph);
  }
  for (int depth = 0; depth < kMaxDepth && !level.empty(); ++depth) {
    std::vector<std::uint16_t> next;
    for (std::uint16_t glyph : level) {
      for (std::uint16_t component : glyphs.Components(glyph)) {
        if (component < glyphs.Count() && kept.insert(component).second) next.push_back(component);
      }
    }
    level.swap(next);
  }
  return kept;
}

std::vector<std::uint8_t> TrueTypeSubset(const TrueTypeFace& face, const std::set<std::uint16_t>& kept) {
  const TrueTypeGlyphs& glyphs = face.Glyphs();
  const std::uint32_t count = kept.empty() ? 1u : *kept.rbegin() + 1u;

  Bytes glyf;
  std::vector<std::uint32_t> offsets;
  for (std::uint32_t g = 0; g < count; ++g) {
    offsets.push_back(static_cast<std::uint32_t>(glyf.size()));
    if (!kept.count(static_cast<std::uint16_t>(g))) continue;
    const SfntBytes description = glyphs.Description(static_cast<std::uint16_t>(g));
    PutBytes(glyf, description.data(), description.size());
    Pad4(glyf);
  }
  offsets.push_back(static_cast<std::uint32_t>(glyf.size()));
  const bool longOffsets = glyf.size() > 0x1FFFE;
  Bytes loca;
  for (std::uint32_t offset : offsets) {
    if (longOffsets) PutU32BE(loca, offset);
    else PutU16BE(loca, offset / 2);
  }

  Bytes hmtx;
  for (std::uint32_t g = 0; g < count; ++g) {
    PutU16BE(hmtx, face.AdvanceUnits(static_cast<std::uint16_t>(g)));
    PutU16BE(hmtx, static_cast<std::uint16_t>(face.LeftBearing(static_cast<std::uint16_t>(g))));
  }
  Bytes hhea = Copy(face.Table(SfntTag("hhea")));
  SetU16BE(hhea, 34, count);
  Bytes maxp = Copy(face.Table(SfntTag("maxp")));
  SetU16BE(maxp, 4, count);
  Bytes head = Copy(face.Table(SfntTag("head")));
  SetU32BE(head, kHeadAdjustment, 0);
  SetU16BE(head, kHeadLocaFormat, longOffsets ? 1 : 0);

  std::map<std::uint32_t, Bytes> tables;
  tables[SfntTag("glyf")] = std::move(glyf);
  tables[SfntTag("loca")] = std::move(loca);
  tables[SfntTag("hmtx")] = std::move(hmtx);
  tables[SfntTag("hhea")] = std::move(hhea);
  tables[SfntTag("maxp")] = std::move(maxp);
  tables[SfntTag("head")] = std::move(head);
  for (std::uint32_t tag : {SfntTag("cvt "), SfntTag("fpgm"), SfntTag("prep")}) {
    const SfntBytes table = face.Table(tag);
    if (!table.empty()) tables[tag] = Copy(table);
  }

  const std::uint32_t tableCount = static_cast<std::uint32_t>(tables.size());
  std::uint32_t power = 1, selector = 0;
  while (power * 2 <= tableCount) {
    power *= 2;
    ++selector;
  }
  Bytes file;
  PutU32BE(file, 0x00010000);
  PutU16BE(file, tableCount);
  PutU16BE(file, power * 16);
  PutU16BE(file, selector);
  PutU16BE(file, tableCount * 16 - power * 16);
  std::size_t offset = 12 + 16 * tables.size();
  std::size_t headAt = 0;
  for (const auto& [tag, bytes] : tables) {
    PutU32BE(file, tag);
    PutU32BE(file, Checksum(bytes, 0, bytes.size()));
    PutU32BE(file, static_cast<std::uint32_t>(offset));
    PutU32BE(file, static_cast<std::uint32_t>(bytes.size()));
    if (tag == SfntTag("head")) headAt = offset;
    offset += (bytes.size() + 3) / 4 * 4;
  }
  for (const auto& entry : tables) {
    PutBytes(file, entry.second);
    Pad4(file);
  }
  SetU32BE(file, headAt + kHeadAdjustment, kChecksumMagic - Checksum(file, 0, file.size()));
  return file;
}
