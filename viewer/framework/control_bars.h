#pragma once

#include <windows.h>

// Styles of the frame's control bars.
constexpr DWORD CBRS_TOP = 0x1000;
constexpr DWORD CBRS_BOTTOM = 0x2000;
constexpr DWORD CBRS_GRIPPER = 0x0400;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0080;
constexpr DWORD CBRS_ALL_FLAGS = CBRS_TOP | CBRS_BOTTOM | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                 CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
