#include "two_sided_order.h"

#include <gtest/gtest.h>

namespace {

using Sides = std::vector<unsigned>;

TEST(TwoSidedOrder, FrontsThenBacksForEvenAndOddCountsAndBothStackings) {
  struct Case {
    unsigned first, last;
    Sides fronts, backsFaceDown, backsFaceUp;
  };
  const Case cases[] = {
      {1, 1, {1}, {kBlankSide}, {kBlankSide}},
      {1, 2, {1}, {2}, {2}},
      {1, 5, {1, 3, 5}, {2, 4, kBlankSide}, {kBlankSide, 4, 2}},
      {1, 6, {1, 3, 5}, {2, 4, 6}, {6, 4, 2}},
      // A range chosen in the print dialog pairs from its own first sheet.
      {2, 4, {2, 4}, {3, kBlankSide}, {kBlankSide, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.first << "-" << c.last);
    EXPECT_EQ(FrontSides(c.first, c.last), c.fronts);
    EXPECT_EQ(BackSides(c.first, c.last, false), c.backsFaceDown);
    EXPECT_EQ(BackSides(c.first, c.last, true), c.backsFaceUp);
  }
  EXPECT_TRUE(FrontSides(3, 2).empty());
  EXPECT_EQ(FrontSides(0xFFFFFFFEu, 0xFFFFFFFFu), (Sides{0xFFFFFFFEu})) << "no wrap at the top";
}

}  // namespace
