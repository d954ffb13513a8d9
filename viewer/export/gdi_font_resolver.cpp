#include "gdi_font_resolver.h"

#include <cstring>
#include <string>

#include "exported_function.h"
#include "framework/gdi_holders.h"

namespace {

// Large enough that no bitmap strike of the face stands in for its outlines.
constexpr LONG kRequestHeight = -256;

using CreateFontIndirectWCall = HFONT(WINAPI*)(const LOGFONTW*);

// The font for `request`, the face name kept whole where the system takes wide names
// (Windows 95 has no CreateFontIndirectW), else in the ANSI code page.
HFONT CreateRequestedFont(const FontRequest& request) {
  static const CreateFontIndirectWCall createW =
      ExportedFunction<CreateFontIndirectWCall>("GDI32.DLL", "CreateFontIndirectW");
  const std::size_t faceLength = request.faceName.size() < LF_FACESIZE ? request.faceName.size() : LF_FACESIZE - 1;
  if (createW) {
    LOGFONTW wide = {};
    wide.lfHeight = kRequestHeight;
    wide.lfWeight = request.weight;
    wide.lfItalic = request.italic;
    wide.lfCharSet = request.charset;
    wide.lfPitchAndFamily = request.pitchAndFamily;
    for (std::size_t i = 0; i < faceLength; ++i) wide.lfFaceName[i] = static_cast<WCHAR>(request.faceName[i]);
    if (HFONT font = createW(&wide)) return font;
  }
  LOGFONTA ansi = {};
  ansi.lfHeight = kRequestHeight;
  ansi.lfWeight = request.weight;
  ansi.lfItalic = request.italic;
  ansi.lfCharSet = request.charset;
  ansi.lfPitchAndFamily = request.pitchAndFamily;
  const std::wstring face(request.faceName.begin(), request.faceName.begin() + static_cast<std::ptrdiff_t>(faceLength));
  // A double-byte name that would not fit is dropped whole rather than cut mid-character.
  if (!face.empty() && !WideCharToMultiByte(CP_ACP, 0, face.c_str(), static_cast<int>(face.size()),
                                            ansi.lfFaceName, LF_FACESIZE - 1, nullptr, nullptr))
    std::memset(ansi.lfFaceName, 0, sizeof ansi.lfFaceName);
  return CreateFontIndirectA(&ansi);
}

// Reads a table of the font selected into a memory DC of its own.
class GdiFontFace : public FontFace {
 public:
  explicit GdiFontFace(HFONT font) : m_font(font) {}

  std::vector<std::uint8_t> Table(std::uint32_t tag) const override {
    std::vector<std::uint8_t> table;
    CMemoryDC dc(nullptr);
    CScopedSelect selected(dc.get(), m_font.get());
    if (!dc || !selected.selected()) return table;
    const DWORD size = GetFontData(dc.get(), FontDataTable(tag), 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0) return table;
    table.resize(size);
    if (GetFontData(dc.get(), FontDataTable(tag), 0, table.data(), size) != size) table.clear();
    return table;
  }

  // Whether GDI draws this font from TrueType tables it can give.
  bool IsTrueType() const {
    CMemoryDC dc(nullptr);
    CScopedSelect selected(dc.get(), m_font.get());
    TEXTMETRICA metrics;
    return dc && selected.selected() && GetTextMetricsA(dc.get(), &metrics) &&
           (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0 &&
           GetFontData(dc.get(), 0, 0, nullptr, 0) != GDI_ERROR;
  }

 private:
  CGdiObject<HFONT> m_font;
};

}  // namespace

DWORD FontDataTable(std::uint32_t tag) {
  return (tag >> 24) | ((tag >> 8) & 0xFF00u) | ((tag << 8) & 0xFF0000u) | (tag << 24);
}

std::shared_ptr<const FontFace> GdiFontResolver::Resolve(const FontRequest& request) {
  const auto known = m_faces.find(request);
  if (known != m_faces.end()) return known->second;
  std::shared_ptr<GdiFontFace> face;
  if (HFONT font = CreateRequestedFont(request)) {
    face = std::make_shared<GdiFontFace>(font);
    if (!face->IsTrueType()) face.reset();
  }
  m_faces.emplace(request, face);
  return face;
}
