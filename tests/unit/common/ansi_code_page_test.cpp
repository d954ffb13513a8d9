#include <windows.h>

#include <gtest/gtest.h>

#include "ansi_code_page.h"
#include "known_code_pages.h"

namespace {

// Run under each locale of the test run: the platform's lead bytes are the published ones
// of the code page in force, and none in a single-byte code page.
TEST(AnsiLeadBytes, AreThoseOfTheCodePageInForce) {
  const UINT codePage = GetACP();
  SCOPED_TRACE(testing::Message() << "code page " << codePage);
  LeadByteSet expected;
  for (const KnownCodePage& page : KnownDoubleByteCodePages()) {
    if (static_cast<UINT>(page.number) == codePage) expected = page.lead;
  }
  EXPECT_TRUE(AnsiLeadBytes() == expected);
  EXPECT_EQ(AnsiLeadBytes().IsDoubleByte(), expected.IsDoubleByte());
}

}  // namespace
