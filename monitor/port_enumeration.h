#pragma once

#include <windows.h>

#include "port_monitor.h"

// EnumPorts of levels 1 and 2 into the spooler's buffer: in UTF-16 for the NT spooler, in
// the ANSI code page for the 9x spooler. A buffer too small gets nothing and
// ERROR_INSUFFICIENT_BUFFER, with `needed` set.
BOOL EnumPortsWide(PortMonitor& monitor, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned);
BOOL EnumPortsAnsi(PortMonitor& monitor, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned);
