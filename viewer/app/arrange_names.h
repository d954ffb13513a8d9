#pragma once

// Where the application profile keeps how the user prints on both sides.
constexpr char kArrangeSection[] = "Arrange";
constexpr char kBothSidesEntry[] = "PrintBothSides";
constexpr char kFaceUpEntry[] = "FaceUpOutput";
// Whether pages are drawn without their margins.
constexpr char kTrimMarginsEntry[] = "TrimMargins";
