#pragma once

#include <string>
#include <vector>

// The ports this monitor serves, as the names of the keys under its "Ports" key. Port
// names are compared as Windows compares them, without regard to the case of A-Z.
class PortList {
 public:
  PortList() = default;
  explicit PortList(const std::vector<std::u16string>& names);

  bool Contains(const std::u16string& name) const;
  // False when a port of that name is already listed.
  bool Add(const std::u16string& name);
  // False when no port of that name is listed.
  bool Remove(const std::u16string& name);

  const std::vector<std::u16string>& names() const { return m_names; }

 private:
  std::vector<std::u16string> m_names;
};

// The one port that adding a port of this monitor makes, and the key it lives in, relative
// to the monitor's own key.
constexpr char16_t kQuillorPortName[] = u"Quillor1:";
constexpr char16_t kPortsKeyName[] = u"Ports";
std::u16string PortKeyPath(const std::u16string& portName);

// Whether a name can be a key of its own below "Ports": not empty, no backslash.
bool IsPortKeyName(const std::u16string& name);
