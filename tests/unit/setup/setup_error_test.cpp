#include <gtest/gtest.h>

#include <string>

#include "fake_windows.h"
#include "installer_state.h"
#include "setup_error.h"
#include "setup_resource.h"
#include "setup_test_strings.h"

namespace {

class SetupErrorTest : public testing::Test {
 protected:
  FakeWindowsScope fake;
  InstallerState state = LoadInstallerState(GetModuleHandleA(nullptr), "");
};

TEST_F(SetupErrorTest, LoadsTheStringsOfTheInstaller) {
  EXPECT_EQ(state.caption, "Quillor add printer");
  EXPECT_EQ(state.monitorName, "Quillor");
  EXPECT_TRUE(state.isNt);
  EXPECT_FALSE(state.quiet);
  EXPECT_TRUE(LoadInstallerState(GetModuleHandleA(nullptr), "x").quiet);
  Fake().versionWord = kWin98Word;
  EXPECT_FALSE(LoadInstallerState(GetModuleHandleA(nullptr), "").isNt);
}

// The longest run of whole characters, as the platform's CharNextA walks them, within `bytes`.
std::string WholeCharacters(const std::string& text, std::size_t bytes) {
  const char* end = text.c_str();
  for (const char* next = CharNextA(end); next != end && next <= text.c_str() + bytes; next = CharNextA(end)) {
    end = next;
  }
  return std::string(text.c_str(), end);
}

TEST_F(SetupErrorTest, AStringCutToItsBufferEndsBeforeACharacterThatWouldNotFit) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const std::string whole = LoadResourceString(instance, IDS_TEST_CUT_IN_A_CHARACTER, 1024);
  const std::string cut = LoadResourceString(instance, IDS_TEST_CUT_IN_A_CHARACTER, 63);
  EXPECT_EQ(cut, WholeCharacters(whole, 62));
}

TEST_F(SetupErrorTest, ShowsTheFilledTextUnderTheCaptionWithTheSystemsText) {
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(ShowSetupError(state, IDS_ADD_MONITOR_ERROR), 1);
  ASSERT_EQ(Fake().log.size(), 1u);
  const std::string prefix = "MessageBox Quillor add printer|Add monitor error(5)\n";
  EXPECT_EQ(Fake().log[0].compare(0, prefix.size(), prefix), 0) << Fake().log[0];
  EXPECT_GT(Fake().log[0].size(), prefix.size());
}

TEST_F(SetupErrorTest, WithoutAnErrorCodeShowsOnlyTheText) {
  const struct {
    UINT id;
    const char* text;
  } messages[] = {{IDS_ENUM_MONITORS_ERROR, "Enum monitors error(0)"},
                  {IDS_NO_SYSTEM_DIRECTORY, "Can't find system directory (0)"},
                  {IDS_ADD_MONITOR_ERROR, "Add monitor error(0)"}};
  for (const auto& message : messages) {
    SetLastError(0);
    EXPECT_EQ(ShowSetupError(state, message.id), 1);
    EXPECT_EQ(Fake().log.back(), std::string("MessageBox Quillor add printer|") + message.text);
  }
}

TEST_F(SetupErrorTest, AnErrorWithoutSystemTextShowsOnlyTheCode) {
  SetLastError(0x2FFFFFFF);
  ShowSetupError(state, IDS_ADD_MONITOR_ERROR);
  EXPECT_EQ(Fake().log.back(), "MessageBox Quillor add printer|Add monitor error(805306367)");
}

TEST_F(SetupErrorTest, QuietModeShowsNothingAndLeavesTheLastError) {
  state.quiet = true;
  SetLastError(5);
  EXPECT_EQ(ShowSetupError(state, IDS_ADD_MONITOR_ERROR), 1);
  EXPECT_TRUE(Fake().log.empty());
  EXPECT_EQ(GetLastError(), 5u);
}

}  // namespace
