#include "pdf_syntax.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Decimal(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  // Beyond what a PDF reader takes as a real (about 3.4e38) is no drawing anyway.
  if (value > 1e9) value = 1e9;
  if (value < -1e9) value = -1e9;
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string number(text);
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
}

double Hundredths(double value) { return std::round(value * 100) / 100; }

}  // namespace

std::string PdfNumber(double value) { return Decimal(value, 4); }

std::string PdfPoints(double points) { return Decimal(points, 2); }

std::string PdfRectangle(double x0, double y0, double x1, double y1) {
  // The sides from the corners as written, so the far corner lands where a path to it would.
  const double x = Hundredths(x0), y = Hundredths(y0);
  return PdfPoints(x) + " " + PdfPoints(y) + " " + PdfPoints(Hundredths(x1) - x) + " " +
         PdfPoints(Hundredths(y1) - y) + " re\n";
}

std::string PdfLiteralString(const std::uint8_t* bytes, std::size_t size) {
  std::string text = "(";
  text.reserve(size + 2);
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(bytes[i]);
    // Brackets and backslashes are the string's syntax; a reader turns any line end into \n.
    if (c == '(' || c == ')' || c == '\\') text += '\\';
    if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else {
      text += c;
    }
  }
  return text + ")";
}

std::string PdfDate(int year, int month, int day, int hour, int minute, int second) {
  char text[40];
  std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
  return text;
}

std::string PdfHexString(const std::uint8_t* bytes, std::size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "<";
  text.reserve(size * 2 + 2);
  for (std::size_t i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text + ">";
}

std::string PdfTextString(const std::u16string& text) {
  std::vector<std::uint8_t> bytes = {0xFE, 0xFF};
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
  }
  return PdfHexString(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> PdfStreamBody(const std::string& entries, const std::vector<std::uint8_t>& data) {
  const std::string head = "<< " + entries + " /Length " + std::to_string(data.size()) + " >>\nstream\n";
  std::vector<std::uint8_t> body(head.begin(), head.end());
  body.insert(body.end(), data.begin(), data.end());
  static const char kTail[] = "\nendstream";
  body.insert(body.end(), kTail, kTail + sizeof kTail - 1);
  return body;
}
