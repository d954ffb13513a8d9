#include <gtest/gtest.h>

#include "export_fixture.h"
#include "save_image_dialog.h"

namespace {

class AskSaveImageNameTest : public ::testing::Test {
 protected:
  AskSaveImageNameTest() { ForgetImageFolder(); }
  ~AskSaveImageNameTest() override { ForgetImageFolder(); }

  ScriptedSaveDialog dialog;
  ScratchAppProfile profile;
};

TEST_F(AskSaveImageNameTest, OpensWithTheTwelveFormatsTitleAndFirstTimeDefaults) {
  const HWND owner = GetDesktopWindow();
  EXPECT_EQ(AskSaveImageName(owner, profile.get()), "");
  ASSERT_EQ(dialog.requests.size(), 1u);
  const DialogRequest& request = dialog.requests[0];
  EXPECT_EQ(request.owner, owner);
  EXPECT_EQ(request.title, "Save Image As");
  EXPECT_EQ(request.initialFolder, "c:\\");
  EXPECT_EQ(request.filterIndex, 0u);
  EXPECT_EQ(request.initialName, "");
  EXPECT_TRUE(request.defaultExtensionGiven);
  EXPECT_EQ(request.defaultExtension, "");
  EXPECT_EQ(request.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
            static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));

  ASSERT_EQ(request.filterParts.size(), 24u);
  EXPECT_EQ(request.filterParts[0], "EMF File(*.EMF)");
  EXPECT_EQ(request.filterParts[1], "*.emf");
  EXPECT_EQ(request.filterParts[2], "BMP File(*.BMP;*.DIB)");
  EXPECT_EQ(request.filterParts[3], "*.bmp;*.dib");
  EXPECT_EQ(request.filterParts[7], "*.jpg;*.jpeg");
  EXPECT_EQ(request.filterParts[22], "TGA File(*.TGA)");
  EXPECT_EQ(request.filterParts[23], "*.tga");
}

TEST_F(AskSaveImageNameTest, OkRemembersFolderAndFilterForTheNextDialog) {
  dialog.answer = "D:\\out\\pages\\job.png";
  dialog.answerFilter = 5;
  EXPECT_EQ(AskSaveImageName(nullptr, profile.get()), "D:\\out\\pages\\job.png");
  EXPECT_EQ(RememberedImageFolder(), "D:\\out\\pages\\");
  EXPECT_EQ(profile.RememberedFilter(), 5);

  dialog.answer.clear();
  AskSaveImageName(nullptr, profile.get());
  ASSERT_EQ(dialog.requests.size(), 2u);
  EXPECT_EQ(dialog.requests[1].initialFolder, "D:\\out\\pages\\");
  EXPECT_EQ(dialog.requests[1].filterIndex, 5u);
}

// The folder is read back into 250 bytes: one longer would come back cut into another
// folder, so the dialog opens in the default instead.
TEST_F(AskSaveImageNameTest, AFolderTooLongToReadBackOpensTheDefault) {
  const std::string folder = "D:\\" + std::string(246, 'd') + "\\";
  dialog.answer = folder + "job.png";
  AskSaveImageName(nullptr, profile.get());
  EXPECT_EQ(RememberedImageFolder(), folder) << "remembered whole";

  dialog.answer.clear();
  AskSaveImageName(nullptr, profile.get());
  ASSERT_EQ(dialog.requests.size(), 2u);
  EXPECT_EQ(dialog.requests[1].initialFolder, "c:\\");
}

TEST_F(AskSaveImageNameTest, CancelRemembersNothing) {
  dialog.answer = "E:\\first\\a.tif";
  dialog.answerFilter = 3;
  AskSaveImageName(nullptr, profile.get());

  dialog.answer.clear();
  dialog.answerFilter = 9;
  EXPECT_EQ(AskSaveImageName(nullptr, profile.get()), "");
  EXPECT_EQ(RememberedImageFolder(), "E:\\first\\");
  EXPECT_EQ(profile.RememberedFilter(), 3);
}

}  // namespace
