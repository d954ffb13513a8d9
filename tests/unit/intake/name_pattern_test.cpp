#include <gtest/gtest.h>

#include "known_code_pages.h"
#include "name_pattern.h"

namespace {

bool Matches(const std::string& name, const std::string& pattern) {
  return NameMatchesPattern(name, pattern, LeadByteSet());
}

TEST(NameMatchesPattern, MatchesWholeNamesInAnyLetterCase) {
  EXPECT_TRUE(Matches("page.emf", "*.emf"));
  EXPECT_TRUE(Matches("PAGE.EMF", "*.emf"));
  EXPECT_TRUE(Matches(".emf", "*.emf"));
  EXPECT_TRUE(Matches("a.b.emf", "*.emf"));
  EXPECT_TRUE(Matches("~EMF0001.TMP", "~emf*.tmp"));
  EXPECT_TRUE(Matches("~emf.tmp", "~emf*.tmp"));
  EXPECT_TRUE(Matches("x.tmp", "?.tmp"));
  EXPECT_TRUE(Matches("", "*"));

  EXPECT_FALSE(Matches("notes.emfx", "*.emf"));
  EXPECT_FALSE(Matches("keep.splash", "*.spl"));
  EXPECT_FALSE(Matches("KEEP~1.SPLASH", "*.SPL"));
  EXPECT_FALSE(Matches("emf", "*.emf"));
  EXPECT_FALSE(Matches("page.em", "*.emf"));
  EXPECT_FALSE(Matches("x~emf1.tmp", "~emf*.tmp"));
  EXPECT_FALSE(Matches("~emf1.tmp.old", "~emf*.tmp"));
  EXPECT_FALSE(Matches("xy.tmp", "?.tmp"));
  EXPECT_FALSE(Matches("", "?"));
  // Many stars against a long name that does not match still ends promptly.
  EXPECT_FALSE(Matches(std::string(5000, 'a'), "*a*a*a*a*a*b"));
}

// Japanese (932) and Korean (949) names: '?' takes one two-byte character, and a trail
// byte equal to a letter is neither folded nor matched by that letter.
TEST(NameMatchesPattern, TakesDoubleByteCharactersWhole) {
  const std::vector<KnownCodePage> pages = KnownDoubleByteCodePages();
  const LeadByteSet& japanese = pages[0].lead;
  const LeadByteSet& korean = pages[2].lead;
  EXPECT_TRUE(NameMatchesPattern("\x83\x5C.emf", "?.emf", japanese));
  EXPECT_FALSE(NameMatchesPattern("\x83\x5C.emf", "??.emf", japanese));
  EXPECT_TRUE(NameMatchesPattern("~EMF\x95\x5C.TMP", "~emf*.tmp", japanese));
  EXPECT_FALSE(NameMatchesPattern("\x81\x41.spl", "\x81\x61.spl", korean));
  EXPECT_TRUE(NameMatchesPattern("\x81\x41.SPL", "\x81\x41.spl", korean));
  EXPECT_FALSE(NameMatchesPattern("x\x81\x41.spl", "*a.spl", korean));
}

}  // namespace
