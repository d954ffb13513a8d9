#!/usr/bin/env python3
"""Writes blank.emf: a one-page enhanced metafile with an A4 frame and nothing drawn."""
import struct
import sys

EMR_HEADER, EMR_EOF = 1, 14
HEADER_SIZE, EOF_SIZE = 108, 20
FRAME = (0, 0, 21000, 29700)          # 0.01 mm: A4 portrait
DEVICE_PX = (2480, 3508)              # a 300 dpi reference device
DEVICE_MM = (210, 297)


def blank_emf():
    total = HEADER_SIZE + EOF_SIZE
    header = struct.pack(
        "<II4i4iIIIIHHIIIiiiiIIIii",
        EMR_HEADER, HEADER_SIZE,
        0, 0, -1, -1,                 # bounds: nothing drawn
        *FRAME,
        0x464D4520, 0x10000, total, 2,
        1, 0,                         # handles (the table's reserved entry), reserved
        0, 0, 0,                      # no description, no palette
        *DEVICE_PX, *DEVICE_MM,
        0, 0, 0,                      # no pixel format, not OpenGL
        DEVICE_MM[0] * 1000, DEVICE_MM[1] * 1000)
    eof = struct.pack("<IIIII", EMR_EOF, EOF_SIZE, 0, 16, EOF_SIZE)
    return header + eof


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(blank_emf())
