// The page measure (blank pages, the ink box, the smallest text) and the readable layout
// choice, on metafiles built record by record.
#include <gtest/gtest.h>

#include "page_measure.h"
#include "pdf/emf_builder.h"
#include "readable_layout.h"

namespace {

// The builder's device: 100 x 100 pixels on 100 x 100 mm, so a pixel is 100 frame units.
constexpr std::int64_t kWhiteBrush = 0x80000000, kBlackBrush = 0x80000004, kNullBrush = 0x80000005;
constexpr std::int64_t kWhitePen = 0x80000006, kBlackPen = 0x80000007, kNullPen = 0x80000008;

PageMeasure Measure(const EmfBuilder& builder) {
  const std::vector<std::uint8_t> bytes = builder.Finish();
  return MeasurePage(bytes.data(), bytes.size());
}

EmfBuilder& Select(EmfBuilder& b, std::int64_t object) { return b.Add(kEmrSelectObject, {object}); }

// A font record asking for `height` (lfHeight) in object slot 1, selected.
EmfBuilder& Font(EmfBuilder& b, std::int32_t height) {
  std::vector<std::int64_t> fields = {1, height, 0, 0, 0, 400, 0};
  std::vector<std::uint8_t> bytes;
  for (std::int64_t f : fields)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(std::uint64_t(f) >> (8 * i)));
  bytes.resize(4 + 92, 0);  // the index, then LOGFONTW
  b.AddBytes(kEmrExtCreateFontIndirectW, bytes);
  return Select(b, 1);
}

// An ExtTextOutW of "Hi" at (x, y) whose bounds are the given pixel box.
EmfBuilder& Text(EmfBuilder& b, int x, int y, std::vector<std::int32_t> bounds, std::u16string text = u"Hi") {
  std::vector<std::int64_t> f = {bounds[0], bounds[1], bounds[2], bounds[3], 1, 0, 0,
                                 x, y, static_cast<std::int64_t>(text.size()), 76, 0, 0, 0, 0, 0, 0};
  std::vector<std::uint8_t> bytes;
  for (std::int64_t v : f)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(std::uint64_t(v) >> (8 * i)));
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return b.AddBytes(kEmrExtTextOutW, bytes);
}

TEST(PageMeasure, EmptyAndWhiteOnlyPagesAreBlankAndHaveNoInk) {
  EXPECT_TRUE(Measure(EmfBuilder()).blank);
  EmfBuilder white;
  Select(white, kWhiteBrush);
  Select(white, kNullPen);
  white.Add(kEmrRectangle, {0, 0, 100, 100});
  Select(white, kWhitePen);
  white.Add(kEmrLineTo, {50, 50});
  white.Add(kEmrPolyline16, {10, 10, 20, 20, 2, Pack16(10, 10), Pack16(20, 20)});
  white.Add(kEmrBitBlt, {0, 0, 99, 99, 0, 0, 100, 100, 0x00FF0062});
  Text(white, 5, 5, {5, 5, 20, 15}, u"  ");
  const PageMeasure measure = Measure(white);
  EXPECT_TRUE(measure.blank);
  EXPECT_TRUE(measure.ink.Empty());
  EXPECT_EQ(measure.smallestText, 0);
  EXPECT_DOUBLE_EQ(measure.frameWidth, 10000);
}

TEST(PageMeasure, InkBoxLeavesOutWhiteFillsAndJoinsWhatShows) {
  struct Case {
    const char* what;
    void (*draw)(EmfBuilder&);
    InkBox expected;
  } cases[] = {
      {"a black rectangle over a white paper fill",
       [](EmfBuilder& b) {
         Select(b, kWhiteBrush);
         Select(b, kNullPen);
         b.Add(kEmrRectangle, {0, 0, 100, 100});
         Select(b, kBlackBrush);
         b.Add(kEmrRectangle, {20, 30, 60, 70});
       },
       {2000, 3000, 6100, 7100}},
      {"a line and a hollow frame, each widened by half its pen",
       [](EmfBuilder& b) {
         b.Add(kEmrPolyline16, {10, 40, 30, 50, 2, Pack16(10, 40), Pack16(30, 50)});
         Select(b, kNullBrush);
         Select(b, kBlackPen);
         b.Add(kEmrRectangle, {50, 60, 80, 90});
       },
       {950, 3950, 8150, 9150}},
      {"a rectangle in low metric units, y up",
       [](EmfBuilder& b) {
         b.Add(kEmrSetMapMode, {2});
         Select(b, kBlackBrush);
         Select(b, kNullPen);
         b.Add(kEmrRectangle, {100, -200, 300, -400});
       },
       {1000, 2000, 3100, 4100}},
      {"drawing beyond the paper held to it",
       [](EmfBuilder& b) { b.Add(kEmrPolyline16, {50, 50, 150, 150, 2, Pack16(50, 50), Pack16(150, 150)}); },
       {4950, 4950, 10000, 10000}},
      {"figures of a path only once the path is filled",
       [](EmfBuilder& b) {
         Select(b, kBlackBrush);
         b.Add(kEmrBeginPath, {});
         b.Add(kEmrPolyline16, {0, 0, 90, 90, 2, Pack16(0, 0), Pack16(90, 90)});
         b.Add(kEmrEndPath, {});
         b.Add(kEmrFillPath, {40, 40, 49, 49});  // bounds left as some spoolers write them
       },
       {0, 0, 9150, 9150}},
      {"text and a fill by their geometry where the bounds are logical units, y up",
       [](EmfBuilder& b) {
         b.Add(kEmrSetMapMode, {3});  // 0.01 mm
         Font(b, -500);
         Text(b, 1000, -2000, {1000, -2000, 2111, -2556});  // two characters of at most a cell
         Select(b, kBlackBrush);
         b.Add(kEmrBitBlt, {3000, -4000, 4999, -5000, 3000, -4000, 2000, -1000, 0x00F00021});
       },
       {1000, 2000, 5100, 5100}},
      {"text by its bounds where its font's size is unknown; white text not at all",
       [](EmfBuilder& b) {
         Text(b, 10, 10, {10, 10, 29, 19});
         b.Add(kEmrSetTextColor, {Colour(255, 255, 255)});
         b.Add(kEmrSetBkMode, {1});
         Text(b, 60, 60, {60, 60, 90, 90});
       },
       {1000, 1000, 3000, 2000}},
      {"the spooler's short text around its reference point",
       [](EmfBuilder& b) {
         Font(b, -10);
         b.Add(108, {40, 50, 2, 0x100, 1, 0, 0, Pack16('H', 'i')});  // EMR_SMALLTEXTOUT, no clip
       },
       {3000, 4000, 7100, 6100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EmfBuilder b;
    c.draw(b);
    const PageMeasure measure = Measure(b);
    EXPECT_FALSE(measure.blank);
    EXPECT_NEAR(measure.ink.left, c.expected.left, 1);
    EXPECT_NEAR(measure.ink.top, c.expected.top, 1);
    EXPECT_NEAR(measure.ink.right, c.expected.right, 1);
    EXPECT_NEAR(measure.ink.bottom, c.expected.bottom, 1);
  }
}

TEST(PageMeasure, APageThatCannotBeReadOrIsDrawnByEmfPlusIsNeitherBlankNorTrimmed) {
  const std::uint8_t junk[16] = {};
  const PageMeasure measure = MeasurePage(junk, sizeof junk);
  EXPECT_FALSE(measure.blank);
  EXPECT_TRUE(JobTrimBox({measure}).Empty());
  EmfBuilder plus;
  plus.Add(kEmrGdiComment, {12, kEmfPlusSignature, 0x4001, 0});
  const PageMeasure drawnByPlus = Measure(plus);
  EXPECT_FALSE(drawnByPlus.blank);
  EXPECT_DOUBLE_EQ(drawnByPlus.ink.right, 10000);
}

TEST(PageMeasure, SmallestTextIsTheFontsEmThroughMapModeAndWorldTransform) {
  struct Case {
    const char* what;
    void (*setUp)(EmfBuilder&);
    std::int32_t lfHeight;
    double em;  // 0.01 mm
  } cases[] = {
      {"device pixels, em asked", [](EmfBuilder&) {}, -20, 2000},
      {"device pixels, cell asked", [](EmfBuilder&) {}, 20, 2000 * kEmPerCellHeight},
      {"low metric", [](EmfBuilder& b) { b.Add(kEmrSetMapMode, {2}); }, -50, 500},
      {"anisotropic, window twice the viewport",
       [](EmfBuilder& b) {
         b.Add(kEmrSetMapMode, {8});
         b.Add(kEmrSetWindowExtEx, {200, 200});
         b.Add(kEmrSetViewportExtEx, {100, 100});
       },
       -30, 1500},
      {"world transform scaling by three",
       [](EmfBuilder& b) { b.Add(kEmrSetWorldTransform, {FloatBits(3), 0, 0, FloatBits(3), 0, 0}); }, -10, 3000},
      {"world transform turning a quarter",
       [](EmfBuilder& b) { b.Add(kEmrSetWorldTransform, {0, FloatBits(1), FloatBits(-1), 0, 50, 0}); }, -10, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EmfBuilder b;
    c.setUp(b);
    Font(b, c.lfHeight);
    Text(b, 10, 10, {10, 10, 30, 20});
    Font(b, c.lfHeight * 2);
    Text(b, 10, 40, {10, 40, 30, 60});
    EXPECT_NEAR(Measure(b).smallestText, c.em, 0.5);
  }
}

TEST(ReadableLayout, TrimBoxJoinsTheInkOfAllPagesWithAMarginAndSkipsBlankOnes) {
  PageMeasure a, b, blank;
  a.frameWidth = b.frameWidth = blank.frameWidth = 10000;
  a.frameHeight = b.frameHeight = blank.frameHeight = 10000;
  a.blank = b.blank = false;
  a.ink = {2000, 3000, 5000, 6000};
  b.ink = {4000, 1000, 7000, 4000};
  const InkBox trim = JobTrimBox({a, blank, b});
  EXPECT_DOUBLE_EQ(trim.left, 2000 - kTrimMargin);
  EXPECT_DOUBLE_EQ(trim.top, 1000 - kTrimMargin);
  EXPECT_DOUBLE_EQ(trim.right, 7000 + kTrimMargin);
  EXPECT_DOUBLE_EQ(trim.bottom, 6000 + kTrimMargin);
  EXPECT_TRUE(JobTrimBox({blank}).Empty());
  // Held to each page's paper.
  PageMeasure small = a;
  small.frameWidth = 6000;
  EXPECT_DOUBLE_EQ(SourceBox(small, trim).right, 6000);
  EXPECT_DOUBLE_EQ(SourceBox(small, InkBox()).bottom, 10000);
}

TEST(ReadableLayout, SmallestTextOnPaperFollowsCellTrimAndTurn) {
  PageMeasure page;
  page.blank = false;
  page.frameWidth = 20000;  // 200 x 100 mm
  page.frameHeight = 10000;
  page.ink = {0, 0, 20000, 10000};
  page.smallestText = 1000;  // 10 mm
  constexpr double kPointsPerMm = 72 / 25.4;
  // Into a 100 x 100 mm cell: half size.
  EXPECT_NEAR(SmallestTextPoints(page, InkBox(), 0, 1000, 1000), 5 * kPointsPerMm, 1e-9);
  // Turned, 100 wide and 200 high: the height limits it.
  EXPECT_NEAR(SmallestTextPoints(page, InkBox(), 1, 1000, 1000), 5 * kPointsPerMm, 1e-9);
  EXPECT_NEAR(SmallestTextPoints(page, InkBox(), 1, 1000, 4000), 10 * kPointsPerMm, 1e-9);
  // Drawn from a 100 x 50 mm box: full size.
  EXPECT_NEAR(SmallestTextPoints(page, {0, 0, 10000, 5000}, 0, 1000, 1000), 10 * kPointsPerMm, 1e-9);
  page.smallestText = 0;
  EXPECT_EQ(SmallestTextPoints(page, InkBox(), 0, 1000, 1000), 0);
}

TEST(ReadableLayout, ChoosesTheMostPagesWhoseTextStaysReadable) {
  // A4 pages on A4 paper, each choice's cells on its paper, tenths of a mm.
  const std::vector<LayoutCells> layouts = {{1, 2100, 2970},  {2, 1485, 2100}, {4, 1050, 1485},
                                            {6, 990, 1050},   {8, 742.5, 1050}, {16, 525, 742.5}};
  PageMeasure page;
  page.blank = false;
  page.frameWidth = 21000;
  page.frameHeight = 29700;
  page.ink = {2000, 2000, 19000, 27700};
  struct Case {
    double points;
    InkBox trim;
    int expected;
    bool readable;
  } cases[] = {{12, {}, 4, true},   {8, {}, 1, true},    {4, {}, 1, false},  {0, {}, 16, true},
               {24, {}, 16, true},  {12, JobTrimBox({page}), 4, true}, {9, JobTrimBox({page}), 2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.points << " pt, trimmed " << !c.trim.Empty());
    page.smallestText = c.points * 2540 / 72;
    const ReadableChoice choice = ChooseReadableLayout(layouts, {page, page}, {0, 0}, c.trim);
    EXPECT_EQ(choice.pagesPerSheet, c.expected);
    EXPECT_EQ(choice.readable, c.readable);
  }
}

}  // namespace
