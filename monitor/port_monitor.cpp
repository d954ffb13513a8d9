#include "port_monitor.h"

#include <utility>

class PortMonitor::Lock {
 public:
  explicit Lock(CRITICAL_SECTION& section) : m_section(section) { EnterCriticalSection(&m_section); }
  ~Lock() { LeaveCriticalSection(&m_section); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& m_section;
};

PortMonitor::PortMonitor(std::unique_ptr<PortRegistry> registry) : m_registry(std::move(registry)) {
  InitializeCriticalSection(&m_section);
  std::vector<std::u16string> names;
  if (m_registry->ListPorts(names) == ERROR_SUCCESS) m_ports = PortList(names);
}

PortMonitor::~PortMonitor() { DeleteCriticalSection(&m_section); }

std::vector<std::u16string> PortMonitor::Ports() {
  Lock lock(m_section);
  return m_ports.names();
}

bool PortMonitor::HasPort(const std::u16string& name) {
  Lock lock(m_section);
  return m_ports.Contains(name);
}

DWORD PortMonitor::AddQuillorPort() {
  Lock lock(m_section);
  const LONG created = m_registry->CreatePort(kQuillorPortName);
  if (created != ERROR_SUCCESS) return static_cast<DWORD>(created);
  m_ports.Add(kQuillorPortName);
  return ERROR_SUCCESS;
}

DWORD PortMonitor::DeletePort(const std::u16string& name) {
  Lock lock(m_section);
  if (!m_ports.Contains(name)) return ERROR_UNKNOWN_PORT;
  const LONG deleted = m_registry->DeletePort(name);
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) return static_cast<DWORD>(deleted);
  m_ports.Remove(name);
  return ERROR_SUCCESS;
}
