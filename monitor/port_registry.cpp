#include "port_registry.h"

#include "ansi_text.h"
#include "port_list.h"
#include "scoped_reg_key.h"

namespace {

constexpr DWORD kKeyNameCapacity = 256;

class MachineKey : public PortRegistry {
 public:
  explicit MachineKey(const std::string& monitorKey) : m_monitorKey(monitorKey) {}

  LONG ListPorts(std::vector<std::u16string>& names) override {
    names.clear();
    ScopedRegKey ports;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, Path(kPortsKeyName).c_str(), 0, KEY_READ, ports.out());
    if (opened == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (opened != ERROR_SUCCESS) return opened;
    for (DWORD index = 0;; ++index) {
      char name[kKeyNameCapacity];
      DWORD length = kKeyNameCapacity;
      const LONG read = RegEnumKeyExA(ports.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (read == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
      if (read != ERROR_SUCCESS) return read;
      names.push_back(FromAnsi(std::string(name, length)));
    }
  }

  LONG CreatePort(const std::u16string& name) override {
    ScopedRegKey port;
    return RegCreateKeyExA(HKEY_LOCAL_MACHINE, Path(PortKeyPath(name)).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, nullptr, port.out(), nullptr);
  }

  LONG DeletePort(const std::u16string& name) override {
    ScopedRegKey ports;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, Path(kPortsKeyName).c_str(), 0, KEY_ALL_ACCESS, ports.out());
    return opened == ERROR_SUCCESS ? RegDeleteKeyA(ports.get(), ToAnsi(name).c_str()) : opened;
  }

 private:
  std::string Path(const std::u16string& below) const { return m_monitorKey + "\\" + ToAnsi(below); }

  std::string m_monitorKey;
};

}  // namespace

std::unique_ptr<PortRegistry> MachineKeyRegistry(const std::string& monitorKey) {
  return std::make_unique<MachineKey>(monitorKey);
}
