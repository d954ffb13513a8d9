#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One indirect object: `body` is what stands between "N 0 obj" and "endobj" (a dictionary,
// or a dictionary followed by its stream).
struct PdfObject {
  std::uint32_t number = 0;
  std::vector<std::uint8_t> body;
};

// A number as PDF writes it: no exponent, at most four decimals, no trailing zeros.
std::string PdfNumber(double value);

// A position or length on the page in points, to the hundredth of a point: finer than
// any printer's dot, and half the digits of PdfNumber.
std::string PdfPoints(double points);

// "x y w h re" of the rectangle between two corners at PdfPoints' precision, its edges
// from the first corner along x, then y (the direction re draws in).
std::string PdfRectangle(double x0, double y0, double x1, double y1);

// (...): any bytes as a literal string, half the size of a hex string.
std::string PdfLiteralString(const std::uint8_t* bytes, std::size_t size);

// <0A1B...>: any bytes as a hex string.
std::string PdfHexString(const std::uint8_t* bytes, std::size_t size);

// A PDF date ("D:YYYYMMDDHHmmSS") from a calendar time.
std::string PdfDate(int year, int month, int day, int hour, int minute, int second);

// A text string for the document information: UTF-16BE behind its byte-order mark, in hex.
std::string PdfTextString(const std::u16string& text);

// A stream object's body: the dictionary's entries (without << >>) and the data, with its
// /Length added.
std::vector<std::uint8_t> PdfStreamBody(const std::string& entries, const std::vector<std::uint8_t>& data);
