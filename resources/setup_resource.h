#pragma once

// Resources of setup.exe.
#define IDI_SETUP 1

#define IDS_MONITOR_NAME 103
#define IDS_ENUM_MONITORS_ERROR 106
#define IDS_NO_SYSTEM_DIRECTORY 107
#define IDS_ADD_MONITOR_ERROR 111
#define IDS_CAPTION 401
