#include "port_list.h"

#include <algorithm>

namespace {

char16_t Folded(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameName(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return Folded(x) == Folded(y);
         });
}

}  // namespace

PortList::PortList(const std::vector<std::u16string>& names) {
  for (const std::u16string& name : names) {
    if (IsPortKeyName(name)) Add(name);
  }
}

bool PortList::Contains(const std::u16string& name) const {
  return std::any_of(m_names.begin(), m_names.end(), [&](const std::u16string& listed) { return SameName(listed, name); });
}

bool PortList::Add(const std::u16string& name) {
  if (Contains(name)) return false;
  m_names.push_back(name);
  return true;
}

bool PortList::Remove(const std::u16string& name) {
  const auto listed =
      std::find_if(m_names.begin(), m_names.end(), [&](const std::u16string& entry) { return SameName(entry, name); });
  if (listed == m_names.end()) return false;
  m_names.erase(listed);
  return true;
}

std::u16string PortKeyPath(const std::u16string& portName) { return std::u16string(kPortsKeyName) + u"\\" + portName; }

bool IsPortKeyName(const std::u16string& name) {
  return !name.empty() && name.find(u'\\') == std::u16string::npos;
}
