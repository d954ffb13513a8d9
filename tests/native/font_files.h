#pragma once

#include <memory>
#include <string>
#include <vector>

#include "font_face.h"

// Font files read natively, for the tests and fuzz targets of the PDF writer's fonts.

// One face of a .ttf, or of a .ttc by its index: its table directory parsed with every
// offset checked against the bytes.
class FileFontFace : public FontFace {
 public:
  // nullptr when the bytes hold no such face.
  static std::shared_ptr<FileFontFace> FromBytes(std::vector<std::uint8_t> bytes,
                                                 std::uint32_t faceIndex = 0);
  static std::shared_ptr<FileFontFace> FromFile(const std::string& path,
                                                std::uint32_t faceIndex = 0);
  std::vector<std::uint8_t> Table(std::uint32_t tag) const override;

 private:
  struct Entry {
    std::uint32_t tag, offset, length;
  };
  std::vector<std::uint8_t> m_bytes;
  std::vector<Entry> m_entries;
};

// The fonts installed under /usr/share/fonts/truetype in place of the Windows faces asked
// for: Arial and Helvetica as Liberation Sans, Times New Roman as Liberation Serif,
// Courier New as Liberation Mono (bold and italic files as weight and italic ask),
// Japanese faces as IPA Gothic, Korean faces as Nanum Gothic, other faces asked for at a
// fixed pitch as Liberation Mono, anything else as DejaVu Sans.
class FileFontResolver : public FontResolver {
 public:
  std::shared_ptr<const FontFace> Resolve(const FontRequest& request) override;
  // The file Resolve reads for `request`.
  static std::string PathFor(const FontRequest& request);
};
