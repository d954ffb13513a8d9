#include "ansi_text.h"

#include <vector>

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units are Windows' wide characters");

std::u16string FromAnsi(const std::string& text) {
  if (text.empty()) return std::u16string();
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (units <= 0) return std::u16string();
  std::vector<wchar_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
  return std::u16string(wide.begin(), wide.end());
}

std::string ToAnsi(const std::u16string& text) {
  if (text.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, size, &ansi[0], bytes, nullptr, nullptr);
  return ansi;
}
