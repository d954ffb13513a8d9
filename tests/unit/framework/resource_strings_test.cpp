#include "resource_strings.h"

#include <gtest/gtest.h>

#include "framework_test_ids.h"

namespace {

TEST(ResourceStrings, PartsAreSplitAtLineBreaks) {
  const std::string doc = "folium\n\nFolium\nFolium Files (*.fol)\n.fol";
  EXPECT_EQ(ResourceStringPart(doc, 0), "folium");
  EXPECT_EQ(ResourceStringPart(doc, 1), "");
  EXPECT_EQ(ResourceStringPart(doc, 4), ".fol");
  EXPECT_EQ(ResourceStringPart(doc, 5), "");
  EXPECT_EQ(ResourceStringPart("Prompt only", 1), "");
}

TEST(ResourceStrings, LoadsTheProgramsStrings) {
  EXPECT_EQ(LoadResourceString(ID_TEST_BOTH), "Prompt of both\nTip of both");
  EXPECT_EQ(LoadResourceString(ID_TEST_NOBODY), "");
}

}  // namespace
