#include "page_resources.h"

namespace {

std::string Entries(const std::map<std::uint32_t, std::string>& names) {
  std::string entries;
  for (const auto& [object, name] : names) entries += name + " " + std::to_string(object) + " 0 R ";
  return entries;
}

}  // namespace

std::string PageResources::Name(std::map<std::uint32_t, std::string>& names, const char* prefix,
                                std::uint32_t object) {
  auto found = names.find(object);
  if (found != names.end()) return found->second;
  const std::string name = "/" + std::string(prefix) + std::to_string(names.size() + 1);
  names.emplace(object, name);
  return name;
}

std::string PageResources::Dictionary() const {
  std::string dictionary = "<<";
  if (!m_fonts.empty()) dictionary += " /Font << " + Entries(m_fonts) + ">>";
  if (!m_images.empty()) dictionary += " /XObject << " + Entries(m_images) + ">>";
  if (!m_patterns.empty())
    dictionary += " /Pattern << " + Entries(m_patterns) + ">> /ColorSpace << /CsP [/Pattern /DeviceRGB] >>";
  if (!m_shadings.empty()) dictionary += " /Shading << " + Entries(m_shadings) + ">>";
  return dictionary + " >>";
}
