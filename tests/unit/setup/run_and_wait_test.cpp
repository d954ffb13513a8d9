#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "program_directory.h"
#include "run_and_wait.h"

namespace {

using Log = std::vector<std::string>;

class RunAndWaitTest : public testing::Test {
 protected:
  FakeWindowsScope fake;
};

TEST_F(RunAndWaitTest, WaitsForTheProgramAndGivesItsExitCode) {
  Fake().exitCode = 42;
  EXPECT_EQ(RunAndWait("C:\\setup\\unquill.exe"), 42);
  const Log expected = {"CreateProcess C:\\setup\\unquill.exe", "Wait process forever", "GetExitCodeProcess",
                        "CloseHandle thread", "CloseHandle process"};
  EXPECT_EQ(Fake().log, expected);
}

TEST_F(RunAndWaitTest, AnAmpersandAtTheEndStartsWithoutWaiting) {
  EXPECT_EQ(RunAndWait("prog.exe arg&"), 0);
  const Log expected = {"CreateProcess prog.exe arg", "CloseHandle thread", "CloseHandle process"};
  EXPECT_EQ(Fake().log, expected);
}

TEST_F(RunAndWaitTest, ABarAtTheEndIsDroppedAndTheProgramAwaited) {
  Fake().exitCode = 3;
  EXPECT_EQ(RunAndWait("prog.exe|"), 3);
  EXPECT_EQ(Fake().log[0], "CreateProcess prog.exe");
  EXPECT_EQ(Fake().log[1], "Wait process forever");
  // Only the last character counts, and a '|' that ends a two-byte character ('－' is 81 7C
  // in code page 932) is none.
  Fake().log.clear();
  RunAndWait("a&b|");
  EXPECT_EQ(Fake().log[0], "CreateProcess a&b");
  Fake().log.clear();
  RunAndWait("prog.exe \x81|");
  EXPECT_EQ(Fake().log[0], IsDBCSLeadByte(0x81) ? "CreateProcess prog.exe \x81|" : "CreateProcess prog.exe \x81");
}

TEST_F(RunAndWaitTest, FailuresGiveMinusOneOrTheWaitResultAndCloseTheHandles) {
  EXPECT_EQ(RunAndWait(nullptr), -1);
  EXPECT_TRUE(Fake().log.empty());

  Fake().processStarts = false;
  EXPECT_EQ(RunAndWait("missing.exe"), -1);
  Fake().processStarts = true;

  Fake().log.clear();
  Fake().waitResult = WAIT_FAILED;
  EXPECT_EQ(RunAndWait("prog.exe"), -1);
  EXPECT_EQ(Fake().Entries("CloseHandle").size(), 2u);
  Fake().waitResult = WAIT_ABANDONED;
  EXPECT_EQ(RunAndWait("prog.exe"), static_cast<int>(WAIT_ABANDONED));
  Fake().waitResult = WAIT_OBJECT_0;

  Fake().log.clear();
  Fake().exitCodeReadable = false;
  EXPECT_EQ(RunAndWait("prog.exe"), -1);
  EXPECT_EQ(Fake().Entries("CloseHandle").size(), 2u);
}

TEST_F(RunAndWaitTest, RefusesACommandLineLongerThanItsBuffer) {
  EXPECT_EQ(RunAndWait(std::string(2048, 'a').c_str()), -1);
  EXPECT_TRUE(Fake().log.empty());
  RunAndWait(std::string(2047, 'a').c_str());
  EXPECT_EQ(Fake().log[0], "CreateProcess " + std::string(2047, 'a'));
  Fake().log.clear();
  RunAndWait("&");
  EXPECT_EQ(Fake().log[0], "CreateProcess ");
}

TEST(ProgramCommandLine, QuotesOnlyPathsWithBlanks) {
  EXPECT_EQ(ProgramCommandLine("C:\\setup\\unquill.exe"), "C:\\setup\\unquill.exe");
  EXPECT_EQ(ProgramCommandLine("C:\\Program Files\\Quillor\\unquill.exe"),
            "\"C:\\Program Files\\Quillor\\unquill.exe\"");
}

TEST(RunAndWaitForReal, GivesTheExitCodeOfARealProgram) {
  const std::string probe = ProgramDirectory() + "exit_code_probe.exe";
  EXPECT_EQ(RunAndWait((probe + " 7").c_str()), 7);
  EXPECT_EQ(RunAndWait((probe + " 9&").c_str()), 0);
  EXPECT_EQ(RunAndWait((ProgramDirectory() + "no_such_program.exe").c_str()), -1);
}

}  // namespace
