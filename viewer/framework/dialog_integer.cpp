#include "dialog_integer.h"

#include <climits>
#include <string>

namespace {

constexpr std::size_t kReadCharacters = 31;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseDialogInteger(const char* text, int& value) {
  if (!text) return false;
  const std::string field = std::string(text).substr(0, kReadCharacters);
  std::size_t i = 0;
  while (i < field.size() && IsBlank(field[i])) ++i;
  const std::size_t firstNonBlank = i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  const std::size_t digitsStart = i;
  long long magnitude = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    magnitude = magnitude * 10 + (field[i] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (i == digitsStart) return false;
  while (i < field.size() && IsBlank(field[i])) ++i;
  if (i != field.size()) return false;
  const long long result = negative ? -magnitude : magnitude;
  if (result > INT_MAX || result < INT_MIN) return false;
  if (result == 0 && field[firstNonBlank] != '0') return false;
  value = static_cast<int>(result);
  return true;
}
