#pragma once

#include "image.h"

// A new RGB picture of the given size: each output pixel is the mean of the source pixels
// it covers (at least the one under its top-left corner, so enlarging repeats pixels).
Image ResampleByArea(const Image& image, std::uint32_t width, std::uint32_t height);

// The picture turned a quarter clockwise.
Image RotateClockwise(const Image& image);

// The picture centred on a white canvas of the given size, at least as large as the picture.
Image PlaceOnWhite(const Image& image, std::uint32_t width, std::uint32_t height);
