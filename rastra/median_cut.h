#pragma once

#include "image.h"

// Reduces a picture of many colours to at most `maxColors` by median cut over a 5-bit per
// channel histogram; each pixel takes the nearest palette entry.
IndexedImage QuantizeMedianCut(const Image& image, unsigned maxColors);
