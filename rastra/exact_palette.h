#pragma once

#include "image.h"

// The image's own colours as a palette of at most 256 distinct entries, in order of first
// use. False when it has more colours. Indexed sources are remapped through their table.
bool FindExactPalette(const Image& image, IndexedImage& indexed);
