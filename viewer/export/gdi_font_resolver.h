#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "font_face.h"

// The faces GDI draws a metafile's fonts with, their tables read with GetFontData. Faces
// are kept for the resolver's life (one saved document), so each font is asked once.
class GdiFontResolver : public FontResolver {
 public:
  std::shared_ptr<const FontFace> Resolve(const FontRequest& request) override;

 private:
  std::map<FontRequest, std::shared_ptr<const FontFace>> m_faces;
};

// A font tag as GetFontData takes it: the tag's four letters in file order, read as a
// little-endian number ('glyf', 0x676C7966, as 0x66796C67).
DWORD FontDataTable(std::uint32_t tag);
