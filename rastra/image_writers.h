#pragma once

#include "byte_order.h"
#include "image.h"

// Each writer appends one complete file of its format and returns a RastraResult code.
using ImageWriter = long (*)(const Image& image, Bytes& out);

long WritePng(const Image& image, Bytes& out);
long WriteJpeg(const Image& image, Bytes& out);
long WriteTiff(const Image& image, Bytes& out);
long WriteGif(const Image& image, Bytes& out);
long WritePsd(const Image& image, Bytes& out);
long WritePcx(const Image& image, Bytes& out);
long WriteDcx(const Image& image, Bytes& out);
long WriteTga(const Image& image, Bytes& out);
long WriteDib(const Image& image, Bytes& out);
long WritePict(const Image& image, Bytes& out);
long WritePhotoCd(const Image& image, Bytes& out);
