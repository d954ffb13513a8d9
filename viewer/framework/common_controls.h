#pragma once

// Registers the control classes the bars use. comctl32 4.70 and later get the flat
// toolbar; the stock comctl32 4.00 of Windows 95 and NT 4.0 lacks InitCommonControlsEx,
// so it is looked up at run time and the plain registration stands in.
void InitBarControls();
