#pragma once

#include "affine.h"
#include "emf_record.h"

// A device context's coordinate spaces: the world transform, the map mode with its window
// and viewport, and the reference device's pixels mapped onto the PDF page.
struct DcMapping {
  Affine world;
  int mapMode = 1;  // MM_TEXT
  PointD windowOrg, viewportOrg;
  PointD windowExt{1, 1}, viewportExt{1, 1};

  // Sets the map mode; the fixed modes set the extents that give their unit on `device`.
  void SetMapMode(int mode, const EmfHeader& device);
  bool ScalesFreely() const { return mapMode == 7 || mapMode == 8; }
  // Page space (after the world transform) to device pixels.
  Affine PageToDevice() const;
};

// Device pixels of the metafile's reference device to PDF points: its frame fills the page.
Affine DeviceToPdf(const EmfHeader& header, double widthPoints, double heightPoints);
