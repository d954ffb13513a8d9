#pragma once

#include <memory>

#include <windows.h>
#include <winspool.h>
#include <winsplp.h>

#include "port_registry.h"

// The monitor's key as the spooler of 2000 and later hands it over: a handle usable only
// through the spooler's own registry functions (on a cluster it is not in this machine's
// registry at all). A spooler whose functions answer ERROR_CALL_NOT_IMPLEMENTED (Wine's)
// gets the key as a path below HKEY_LOCAL_MACHINE instead.
std::unique_ptr<PortRegistry> SpoolerRegistry(const MONITORINIT& init, const char* fallbackMonitorKey);
