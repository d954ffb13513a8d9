#pragma once

#include <string>

#include <windows.h>

#include "port_monitor.h"

// A port opened by the spooler. What a job writes to it is taken and dropped: the job
// reaches the viewer as its spool file, never through the port, and the monitor starts no
// program (it runs as the spooler's account, not as the user who printed).

// Opens one of the monitor's ports; ERROR_UNKNOWN_PORT for any other name.
BOOL OpenPortJob(PortMonitor& monitor, const std::u16string& name, PHANDLE handle);
BOOL StartPortDocument(HANDLE port);

// The calls whose form is the same for the NT and 9x spoolers. Writing outside a document
// fails with ERROR_INVALID_HANDLE.
BOOL WINAPI WritePortDiscarding(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD written);
BOOL WINAPI EndPortDocument(HANDLE port);
BOOL WINAPI ClosePortJob(HANDLE port);
