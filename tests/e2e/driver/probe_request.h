#pragma once

#include <windows.h>

// The block a driver hands the viewer probe (viewer_probe.dll, loaded into the running
// viewer): the window to read, and the text lines the probe writes back.
struct ProbeRequest {
  HWND window;
  char text[16384];
};

constexpr char kProbeLibrary[] = "viewer_probe.dll";

// The probe's readers, each an export that takes a ProbeRequest and returns 1 when it
// filled in the text.
// The frame's menu bar, its popups initialised as when the user opens them.
constexpr char kReadFrameMenu[] = "ReadFrameMenu";
// The popup menu shown in the window of class "#32768".
constexpr char kReadShownMenu[] = "ReadShownMenu";
// The scroll range and position of a window: "width=", "height=", "x=", "y=" lines.
constexpr char kReadScrollState[] = "ReadScrollState";
// The texts of a status bar's panes: "pane_N=" lines.
constexpr char kReadStatusPanes[] = "ReadStatusPanes";
