#pragma once

/* The codes RastraConvertBmp returns; the library's inner parts return them too. */
enum RastraResult {
  RASTRA_OK = 0,
  RASTRA_ERROR_ARGUMENT = 1,           /* a path is missing or empty */
  RASTRA_ERROR_UNKNOWN_FORMAT = 2,     /* the target's extension names no format written here */
  RASTRA_ERROR_SOURCE_UNREADABLE = 3,  /* the source cannot be opened or read */
  RASTRA_ERROR_SOURCE_MALFORMED = 4,   /* not a BMP, or headers inconsistent with the file */
  RASTRA_ERROR_SOURCE_UNSUPPORTED = 5, /* a valid BMP of a kind not read (RLE, embedded JPEG/PNG, OS/2) */
  RASTRA_ERROR_IMAGE_TOO_LARGE = 6,    /* beyond the size this library or the target format takes */
  RASTRA_ERROR_OUT_OF_MEMORY = 7,
  RASTRA_ERROR_ENCODER = 8,            /* the encoder of the target format failed */
  RASTRA_ERROR_TARGET_UNWRITABLE = 9,  /* no temporary file could be made or written in the target's folder */
  RASTRA_ERROR_TARGET_NOT_REPLACED = 10, /* the finished image could not be renamed to the target */
  RASTRA_ERROR_IMAGE_TOO_SMALL = 11     /* under three pixels wide, which PICT cannot hold unambiguously */
};
