#include "spooler_registry.h"

#include <string>
#include <vector>

#include "port_list.h"

namespace {

constexpr DWORD kKeyNameCapacity = 256;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// A key opened through the spooler's functions, closed through them once.
class SpoolerKey {
 public:
  SpoolerKey(const MONITORREG& calls, HANDLE spooler) : m_calls(calls), m_spooler(spooler) {}
  ~SpoolerKey() {
    if (m_key) m_calls.fpCloseKey(m_key, m_spooler);
  }
  SpoolerKey(const SpoolerKey&) = delete;
  SpoolerKey& operator=(const SpoolerKey&) = delete;

  HANDLE* out() { return &m_key; }
  HANDLE get() const { return m_key; }

 private:
  const MONITORREG& m_calls;
  HANDLE m_spooler;
  HANDLE m_key = nullptr;
};

class SpoolerKeys : public PortRegistry {
 public:
  explicit SpoolerKeys(const MONITORINIT& init)
      : m_calls(*init.pMonitorReg), m_spooler(init.hSpooler), m_root(init.hckRegistryRoot) {}

  LONG ListPorts(std::vector<std::u16string>& names) override {
    names.clear();
    SpoolerKey ports(m_calls, m_spooler);
    const LONG opened = m_calls.fpOpenKey(m_root, Wide(kPortsKeyName), KEY_READ, ports.out(), m_spooler);
    if (opened == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (opened != ERROR_SUCCESS) return opened;
    for (DWORD index = 0;; ++index) {
      wchar_t name[kKeyNameCapacity];
      DWORD length = kKeyNameCapacity;
      const LONG read = m_calls.fpEnumKey(ports.get(), index, name, &length, nullptr, m_spooler);
      if (read == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
      if (read != ERROR_SUCCESS) return read;
      names.emplace_back(reinterpret_cast<const char16_t*>(name), length);
    }
  }

  LONG CreatePort(const std::u16string& name) override {
    SpoolerKey ports(m_calls, m_spooler);
    const LONG created = Create(m_root, kPortsKeyName, ports);
    if (created != ERROR_SUCCESS) return created;
    SpoolerKey port(m_calls, m_spooler);
    return Create(ports.get(), name, port);
  }

  LONG DeletePort(const std::u16string& name) override {
    SpoolerKey ports(m_calls, m_spooler);
    const LONG opened = m_calls.fpOpenKey(m_root, Wide(kPortsKeyName), KEY_ALL_ACCESS, ports.out(), m_spooler);
    return opened == ERROR_SUCCESS ? m_calls.fpDeleteKey(ports.get(), Wide(name), m_spooler) : opened;
  }

 private:
  LONG Create(HANDLE parent, const std::u16string& name, SpoolerKey& key) {
    DWORD disposition = 0;
    return m_calls.fpCreateKey(parent, Wide(name), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.out(),
                               &disposition, m_spooler);
  }

  const MONITORREG& m_calls;
  HANDLE m_spooler;
  HANDLE m_root;
};

}  // namespace

std::unique_ptr<PortRegistry> SpoolerRegistry(const MONITORINIT& init, const char* fallbackMonitorKey) {
  if (init.pMonitorReg != nullptr) {
    auto spooler = std::make_unique<SpoolerKeys>(init);
    std::vector<std::u16string> probe;
    if (spooler->ListPorts(probe) != ERROR_CALL_NOT_IMPLEMENTED) return spooler;
  }
  return MachineKeyRegistry(fallbackMonitorKey);
}
