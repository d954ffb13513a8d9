#include "exact_palette.h"

#include <unordered_map>

namespace {

std::uint32_t Key(const std::uint8_t* p) { return (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2]; }

class PaletteBuilder {
 public:
  // The index of the colour, adding it when new; -1 once the palette is full.
  int IndexOf(std::uint32_t key) {
    auto found = m_indexOf.find(key);
    if (found != m_indexOf.end()) return found->second;
    if (m_palette.size() == 256) return -1;
    const int index = static_cast<int>(m_palette.size());
    m_palette.push_back(Rgb{std::uint8_t(key >> 16), std::uint8_t(key >> 8), std::uint8_t(key)});
    m_indexOf.emplace(key, index);
    return index;
  }
  Palette Take() { return std::move(m_palette); }

 private:
  Palette m_palette;
  std::unordered_map<std::uint32_t, int> m_indexOf;
};

void FromSourceTable(const Image& image, IndexedImage& indexed) {
  PaletteBuilder builder;
  int remap[256];
  for (int& entry : remap) entry = -1;
  indexed.indices.resize(image.indices.size());
  for (std::size_t i = 0; i < image.indices.size(); ++i) {
    int& target = remap[image.indices[i]];
    if (target < 0) target = builder.IndexOf(Key(&image.rgb[3 * i]));
    indexed.indices[i] = static_cast<std::uint8_t>(target);
  }
  indexed.palette = builder.Take();
}

}  // namespace

bool FindExactPalette(const Image& image, IndexedImage& indexed) {
  if (image.indexed()) {
    FromSourceTable(image, indexed);
    return true;
  }
  PaletteBuilder builder;
  const std::size_t count = std::size_t(image.width) * image.height;
  std::vector<std::uint8_t> indices(count);
  // Documents run in long stretches of one colour: skip the lookup while it repeats.
  std::uint32_t lastKey = 0xFFFFFFFFu;
  int lastIndex = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t key = Key(&image.rgb[3 * i]);
    if (key != lastKey) {
      lastIndex = builder.IndexOf(key);
      if (lastIndex < 0) return false;
      lastKey = key;
    }
    indices[i] = static_cast<std::uint8_t>(lastIndex);
  }
  indexed.palette = builder.Take();
  indexed.indices = std::move(indices);
  return true;
}
