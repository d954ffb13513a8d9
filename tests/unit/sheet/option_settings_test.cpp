#include "option_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionSettingsDefaults, SeparatorNoNumbersNoMarginsNoWatermarkFirstPageOne) {
  const OptionSettings settings;
  EXPECT_EQ(settings.pageBorder, kPageBorderSeparator);
  EXPECT_EQ(settings.pageNumberPos, kPageNumberNone);
  EXPECT_EQ(settings.pageMargins, kPageMarginsNone);
  EXPECT_EQ(settings.watermarkSel, 0);
  EXPECT_EQ(settings.startPage, 1);
  EXPECT_TRUE(settings.watermarks.empty());
  EXPECT_EQ(WatermarkRecord().type, kWatermarkTypeOutline);
}

TEST(SelectedWatermark, NamesRecordsFromOneAndNothingOutsideTheList) {
  OptionSettings settings;
  settings.watermarks = {{"a", "A", kWatermarkTypeHeader}, {"b", "B", kWatermarkTypeFooter}};
  settings.watermarkSel = 0;
  EXPECT_EQ(SelectedWatermark(settings), nullptr);
  settings.watermarkSel = 1;
  ASSERT_NE(SelectedWatermark(settings), nullptr);
  EXPECT_EQ(SelectedWatermark(settings)->content, "A");
  settings.watermarkSel = 2;
  ASSERT_NE(SelectedWatermark(settings), nullptr);
  EXPECT_EQ(SelectedWatermark(settings)->content, "B");
  // Left behind by the editor deleting records.
  settings.watermarkSel = 3;
  EXPECT_EQ(SelectedWatermark(settings), nullptr);
  settings.watermarks.clear();
  settings.watermarkSel = 1;
  EXPECT_EQ(SelectedWatermark(settings), nullptr);
  settings.watermarkSel = -1;
  EXPECT_EQ(SelectedWatermark(settings), nullptr);
}

}  // namespace
