// A dialog field's text: an accepted integer is what the text spells, digit for digit.
#include <cctype>
#include <cstdlib>
#include <string>

#include "dialog_integer.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// Only the first 31 characters of a field count.
constexpr std::size_t kFieldChars = 31;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string field = text.substr(0, text.find('\0'));
  int value = 12345;
  if (!ParseDialogInteger(field.c_str(), value)) {
    Check(value == 12345);
    return 0;
  }
  const std::string counted = field.substr(0, kFieldChars);
  std::size_t at = counted.find_first_not_of(" \t");
  Check(at != std::string::npos);
  // Sign and digits, then only blanks.
  long long spelled = 0;
  bool negative = false;
  if (counted[at] == '+' || counted[at] == '-') negative = counted[at++] == '-';
  Check(at < counted.size() && std::isdigit(static_cast<unsigned char>(counted[at])));
  while (at < counted.size() && std::isdigit(static_cast<unsigned char>(counted[at]))) {
    spelled = spelled * 10 + (counted[at++] - '0');
    Check(spelled <= 2147483648LL);
  }
  Check(counted.find_first_not_of(" \t", at) == std::string::npos);
  Check(value == (negative ? -spelled : spelled));
  Check(value != 0 || counted[counted.find_first_not_of(" \t")] == '0');
  Check(!(value == 0 && negative));
  return 0;
}
