#include "formatted_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Messages carry paths and names of any length in the code page in force: none is cut,
// and their bytes pass through as they are.
TEST(FormatText, IsAsLongAsTheTextNeedsAndKeepsItsBytes) {
  const std::string path = "C:\\" + std::string(600, 'p') + "\\\x83\x5C\x95\x5C";
  const std::string text = FormatText("Could not save \"%s\" (%d of %u).", path.c_str(), -3, 7u);
  EXPECT_EQ(text, "Could not save \"" + path + "\" (-3 of 7).");
  EXPECT_EQ(FormatText("%s", ""), "");
}

}  // namespace
