#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

// The monitor's own registry key, as its spooler gives it: the ports are the keys below
// its "Ports" key. Each call returns a Win32 error code, ERROR_SUCCESS when it worked.
class PortRegistry {
 public:
  virtual ~PortRegistry() = default;
  // A missing "Ports" key is an empty list.
  virtual LONG ListPorts(std::vector<std::u16string>& names) = 0;
  // Creates the port's key, or opens it when it is there.
  virtual LONG CreatePort(const std::u16string& name) = 0;
  // Deletes the port's key with its values (it has no keys below it).
  virtual LONG DeletePort(const std::u16string& name) = 0;
};

// The monitor's key as a path below HKEY_LOCAL_MACHINE, through the ANSI registry calls
// that every family has: the NT 4.0 and 9x entries get their key as such a path.
std::unique_ptr<PortRegistry> MachineKeyRegistry(const std::string& monitorKey);
