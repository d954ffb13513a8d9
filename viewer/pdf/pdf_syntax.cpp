#include "pdf_syntax.h"

#include <cmath>
#include <cstdio>

std::string PdfNumber(double value) {
  if (!std::isfinite(value)) return "0";
  // Beyond what a PDF reader takes as a real (about 3.4e38) is no drawing anyway.
  if (value > 1e9) value = 1e9;
  if (value < -1e9) value = -1e9;
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  std::string number(text);
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
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
