#pragma once

// Where the application profile keeps how the user prints on both sides.
constexpr char kArrangeSection[] = "Arrange";
constexpr char kBothSidesEntry[] = "PrintBothSides";
constexpr char kFaceUpEntry[] = "FaceUpOutput";
// Whether pages are drawn without their margins.
constexpr char kTrimMarginsEntry[] = "TrimMargins";
// Whether pages on which nothing visible is drawn are left off the sheets.
constexpr char kLeaveOutBlankEntry[] = "LeaveOutBlankPages";
