#pragma once

#include <cstdint>
#include <vector>

#include "dib_image.h"
#include "pdf_syntax.h"

struct PdfPictureChoices;

// An image XObject for `picture` placed over `widthPoints` x `heightPoints` of the page:
// resampled down to at most the choices' dpi there (never up), grey or colour, Flate or
// JPEG as chosen, with an /SMask object when the picture has alpha (numbered `number` + 1).
// Returns the objects to write (one or two).
std::vector<PdfObject> PdfImageObjects(const DecodedDib& picture, double widthPoints,
                                       double heightPoints, const PdfPictureChoices& choices,
                                       std::uint32_t number);

// How many object numbers PdfImageObjects takes for `picture`.
std::uint32_t PdfImageObjectCount(const DecodedDib& picture);
