#include "font_files.h"

#include <algorithm>
#include <fstream>

#include "sfnt_bytes.h"

namespace {

constexpr std::uint32_t kCollectionTag = 0x74746366;  // 'ttcf'
const std::string kFonts = "/usr/share/fonts/truetype/";

std::u16string Lower(const std::u16string& text) {
  std::u16string lower = text;
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower;
}

bool Contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

std::string Family(const std::string& stem, const FontRequest& request) {
  const bool bold = request.weight >= 600;
  if (!bold && !request.italic) return kFonts + "liberation/" + stem + "-Regular.ttf";
  return kFonts + "liberation/" + stem + "-" + (bold ? "Bold" : "") +
         (request.italic ? "Italic" : "") + ".ttf";
}

}  // namespace

std::shared_ptr<FileFontFace> FileFontFace::FromBytes(std::vector<std::uint8_t> bytes,
                                                      std::uint32_t faceIndex) {
  const SfntBytes file(bytes.data(), bytes.size());
  std::size_t directory = 0;
  if (file.U32(0) == kCollectionTag) {
    if (faceIndex >= file.U32(8) || !file.Has(12 + 4 * std::size_t(faceIndex), 4)) return nullptr;
    directory = file.U32(12 + 4 * std::size_t(faceIndex));
  } else if (faceIndex != 0) {
    return nullptr;
  }
  const std::size_t count = file.U16(directory + 4);
  if (!file.Has(directory, 12 + 16 * count)) return nullptr;
  auto face = std::shared_ptr<FileFontFace>(new FileFontFace());
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = directory + 12 + 16 * i;
    const Entry entry{file.U32(record), file.U32(record + 8), file.U32(record + 12)};
    if (file.Has(entry.offset, entry.length)) face->m_entries.push_back(entry);
  }
  face->m_bytes = std::move(bytes);
  return face;
}

std::shared_ptr<FileFontFace> FileFontFace::FromFile(const std::string& path,
                                                     std::uint32_t faceIndex) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return nullptr;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    return nullptr;
  return FromBytes(std::move(bytes), faceIndex);
}

std::vector<std::uint8_t> FileFontFace::Table(std::uint32_t tag) const {
  for (const Entry& entry : m_entries) {
    if (entry.tag == tag)
      return std::vector<std::uint8_t>(m_bytes.begin() + entry.offset,
                                       m_bytes.begin() + entry.offset + entry.length);
  }
  return {};
}

std::string FileFontResolver::PathFor(const FontRequest& request) {
  const std::u16string name = Lower(request.faceName);
  const std::uint8_t kShiftJis = 128, kHangul = 129, kJohab = 130;
  if (name == u"arial" || name == u"helvetica" || Contains(name, u"sans serif"))
    return Family("LiberationSans", request);
  if (name == u"times new roman" || name == u"times") return Family("LiberationSerif", request);
  if (name == u"courier new" || name == u"courier") return Family("LiberationMono", request);
  // MS Gothic, MS Mincho, MS UI Gothic, Meiryo, and their Japanese names.
  if (Contains(name, u"ms gothic") || Contains(name, u"ms mincho") ||
      Contains(name, u"ms ui gothic") || Contains(name, u"ms pgothic") ||
      Contains(name, u"ms pmincho") || Contains(name, u"meiryo") ||
      Contains(name, u"\xFF2D\xFF33") || Contains(name, u"\x30B4\x30B7\x30C3\x30AF") ||
      Contains(name, u"\x660E\x671D") || Contains(name, u"\x30E1\x30A4\x30EA\x30AA") ||
      request.charset == kShiftJis)
    return kFonts + "fonts-japanese-gothic.ttf";
  // Gulim, Batang, Dotum, Gungsuh, Malgun Gothic, in Latin letters and in Hangul.
  if (Contains(name, u"gulim") || Contains(name, u"batang") || Contains(name, u"dotum") ||
      Contains(name, u"gungsuh") || Contains(name, u"malgun") || Contains(name, u"\xAD74\xB9BC") ||
      Contains(name, u"\xBC14\xD0D5") || Contains(name, u"\xB3CB\xC6C0") ||
      Contains(name, u"\xAD81\xC11C") || Contains(name, u"\xB9D1\xC740 \xACE0\xB515") ||
      request.charset == kHangul || request.charset == kJohab)
    return kFonts + "nanum/NanumGothic.ttf";
  // As the platform's font mapper does, an unknown face asked for at a fixed pitch.
  constexpr std::uint8_t kFixedPitch = 1;
  if ((request.pitchAndFamily & 3) == kFixedPitch) return Family("LiberationMono", request);
  return kFonts + "dejavu/DejaVuSans.ttf";
}

std::shared_ptr<const FontFace> FileFontResolver::Resolve(const FontRequest& request) {
  return FileFontFace::FromFile(PathFor(request));
}
