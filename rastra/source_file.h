#pragma once

#include "byte_order.h"

// Reads a whole file. Returns a RastraResult code; the file is closed on every path.
long ReadSourceFile(const char* path, Bytes& contents);
