#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "port_list.h"
#include "port_registry.h"

// One loaded monitor: its ports, read from its key when it is loaded and kept in step with
// that key. The spooler calls from several threads at once, so every call holds a lock.
class PortMonitor {
 public:
  explicit PortMonitor(std::unique_ptr<PortRegistry> registry);
  ~PortMonitor();
  PortMonitor(const PortMonitor&) = delete;
  PortMonitor& operator=(const PortMonitor&) = delete;

  std::vector<std::u16string> Ports();
  bool HasPort(const std::u16string& name);
  // Makes the port "Quillor1:" and its key; a port already there is made again (its key
  // and values stay), so a reinstallation over a half-removed one goes through.
  DWORD AddQuillorPort();
  // ERROR_UNKNOWN_PORT when the port is not this monitor's.
  DWORD DeletePort(const std::u16string& name);

 private:
  class Lock;

  CRITICAL_SECTION m_section;
  std::unique_ptr<PortRegistry> m_registry;
  PortList m_ports;
};
