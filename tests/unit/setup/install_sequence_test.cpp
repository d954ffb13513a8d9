#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "install_sequence.h"
#include "program_directory.h"
#include "temp_dir.h"

namespace {

using Log = std::vector<std::string>;

const std::string kUninstallEntry = "hklm\\software\\microsoft\\windows\\currentversion\\uninstall\\quillor add printer";
const std::string kPortKey = "hklm\\system\\currentcontrolset\\control\\print\\monitors\\quillor\\ports\\quillor1:";
const std::string kSessionManager = "hklm\\system\\currentcontrolset\\control\\session manager";
const std::string kSystem = "C:\\WINDOWS\\system32\\";

class InstallSequenceTest : public testing::Test {
 protected:
  FakeWindowsScope fake;
  const std::string setupFolder = ProgramDirectory();

  // The port monitor creates its port's key when the port is added.
  void SetUp() override { Fake().registry[kPortKey]; }

  int Run(const char* commandLine = "") { return RunInstallation(GetModuleHandleA(nullptr), commandLine); }
  std::string Copy(const std::string& name) const {
    return "CopyFile " + setupFolder + name + " -> " + kSystem + name + " overwrite";
  }
  // The first log entries starting with each prefix, in the log's order.
  Log Steps(const Log& prefixes) const {
    Log steps;
    for (const std::string& entry : Fake().log) {
      for (const std::string& prefix : prefixes) {
        if (entry.compare(0, prefix.size(), prefix) == 0) steps.push_back(prefix);
      }
    }
    return steps;
  }
};

TEST_F(InstallSequenceTest, RunsEveryStepInOrderAndWritesItsValues) {
  // The uninstaller's own pending deletion, in the system's characters: "<path>\0\0\0".
  std::vector<BYTE> pending;
  for (char c : kSystem + "unquill.exe") pending.insert(pending.end(), {static_cast<BYTE>(c), 0});
  pending.insert(pending.end(), 6, 0);
  Fake().registry[kSessionManager]["PendingFileRenameOperations"] = FakeValue{REG_MULTI_SZ, pending};
  EXPECT_EQ(Run(), kSetupCompleted);
  const Log order = {"EnumMonitors 1",
                     "GetSystemDirectory 256",
                     Copy("plinthxp.dll"),
                     Copy("Quillor.hlp"),
                     Copy("unquill.exe"),
                     "AddMonitor 2 Quillor|Windows NT x86|plinthxp.dll",
                     "RegSetValueEx " + kUninstallEntry + " DisplayName",
                     "RegSetValueEx " + kUninstallEntry + " UninstallString",
                     "RegSetValueExW " + kSessionManager + " PendingFileRenameOperations",
                     "AddPort (null) no-owner Quillor",
                     "AddPrinterDriver (null) 2",
                     "AddPrintProcessor",
                     "AddPrinter (null) 2",
                     "SetDefaultPrinter Quillor Printer",
                     "RegOpenKeyEx " + kPortKey + " all-access",
                     "RegSetValueEx " + kPortKey + " Command",
                     "RegSetValueEx " + kPortKey + " Arguments"};
  EXPECT_EQ(Steps(order), order);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
  EXPECT_TRUE(Fake().Entries("CreateProcess").empty());

  const FakeValue* displayName = Fake().Value(kUninstallEntry, "DisplayName");
  ASSERT_NE(displayName, nullptr);
  EXPECT_EQ(displayName->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(StringValue(*displayName), std::string("Quillor add printer") + '\0');
  EXPECT_EQ(StringValue(*Fake().Value(kUninstallEntry, "UninstallString")), kSystem + "unquill.exe" + '\0');
  EXPECT_EQ(StringValue(*Fake().Value(kPortKey, "Command")), std::string("C:\\relayer.exe") + '\0');
  EXPECT_EQ(StringValue(*Fake().Value(kPortKey, "Arguments")), std::string("Img") + '\0');
  EXPECT_EQ(Fake().Value(kPortKey, "Arguments")->type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(Fake().openKeys.empty());
}

TEST_F(InstallSequenceTest, On98RegistersThe9xMonitorAndCleansWininit) {
  Fake().versionWord = kWin98Word;
  Fake().windowsDirectory = "C:\\no-such-windows";
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().Entries("CopyFile")[0], Copy("plinth98.dll"));
  EXPECT_EQ(Fake().Entries("AddMonitor")[0], "AddMonitor 2 Quillor|Windows 4.0|plinth98.dll");
  EXPECT_EQ(Fake().Entries("GetWindowsDirectory").size(), 1u);
  EXPECT_TRUE(Fake().Entries("RegOpenKeyEx " + kSessionManager).empty());
  EXPECT_TRUE(Fake().Entries("AddPrintProcessor").empty());
}

// In the double-byte runs the folder ends in a character whose second byte is '\' (code
// page 932) or a letter (949): it still gets a backslash of its own.
TEST_F(InstallSequenceTest, ASystemFolderEndingInADoubleByteNameGetsItsOwnBackslash) {
  const TempDir system;
  Fake().systemDirectory = system.path();
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().Entries("CopyFile")[2],
            "CopyFile " + setupFolder + "unquill.exe -> " + system.file("unquill.exe") + " overwrite");
  EXPECT_EQ(StringValue(*Fake().Value(kUninstallEntry, "UninstallString")), system.file("unquill.exe") + '\0');
}

TEST_F(InstallSequenceTest, AnEarlierInstallationIsUninstalledFirstAndAwaited) {
  Fake().listedMonitors = {"Local Port", "Quillor", "quillor"};
  EXPECT_EQ(Run(), kSetupCompleted);
  const Log uninstall = {"CreateProcess " + setupFolder + "unquill.exe"};
  EXPECT_EQ(Fake().Entries("CreateProcess"), uninstall);
  EXPECT_TRUE(Fake().Before("Wait process forever", "GetSystemDirectory 256"));
  EXPECT_TRUE(Fake().Before("EnumMonitors 1", uninstall[0]));
}

TEST_F(InstallSequenceTest, AMissingUninstallerDoesNotStopTheInstallation) {
  Fake().listedMonitors = {"Quillor"};
  Fake().processStarts = false;
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().Entries("AddPrinter (null)").size(), 1u);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
}

TEST_F(InstallSequenceTest, AnUnreadableMonitorListStopsWithCode1) {
  Fake().monitorListFails = true;
  EXPECT_EQ(Run(), kSetupStopped);
  ASSERT_EQ(Fake().Entries("MessageBox").size(), 1u);
  EXPECT_EQ(Fake().Entries("MessageBox")[0].rfind("MessageBox Quillor add printer|Enum monitors error(122)\n", 0), 0u);
  EXPECT_EQ(Fake().log.back().rfind("MessageBox", 0), 0u);
}

TEST_F(InstallSequenceTest, AMonitorListLargerThanTheWorkBufferStopsWithCode1) {
  Fake().listedMonitors.assign(200, std::string(30, 'm'));
  EXPECT_EQ(Run("quiet"), kSetupStopped);
  EXPECT_TRUE(Fake().Entries("GetSystemDirectory").empty());
}

TEST_F(InstallSequenceTest, AnUnknownOrOverlongSystemDirectoryStopsWithCode1) {
  Fake().systemDirectory = "";
  EXPECT_EQ(Run(), kSetupStopped);
  EXPECT_EQ(Fake().Entries("MessageBox")[0].rfind("MessageBox Quillor add printer|Can't find system directory (", 0), 0u);
  EXPECT_TRUE(Fake().Entries("CopyFile").empty());

  Fake().log.clear();
  Fake().systemDirectory = "C:\\" + std::string(300, 's');
  EXPECT_EQ(Run("q"), kSetupStopped);
  EXPECT_TRUE(Fake().Entries("CopyFile").empty());
}

TEST_F(InstallSequenceTest, AMissingHelpFileLeavesNoTraceInALaterReport) {
  Fake().failingCopies = {setupFolder + "Quillor.hlp"};
  Fake().copyError = ERROR_FILE_NOT_FOUND;
  Fake().addMonitorError = 0x2FFFFFFF;  // a code without system text
  SetLastError(0);
  EXPECT_EQ(Run(), kSetupCompleted);
  const Log boxes = {"MessageBox Quillor add printer|Add monitor error(805306367)"};
  EXPECT_EQ(Fake().Entries("MessageBox"), boxes);
}

TEST_F(InstallSequenceTest, AFailedMonitorIsReportedAndTheInstallationGoesOn) {
  Fake().addMonitorError = ERROR_PROC_NOT_FOUND;
  EXPECT_EQ(Run(), kSetupCompleted);
  ASSERT_EQ(Fake().Entries("MessageBox").size(), 1u);
  EXPECT_EQ(Fake().Entries("MessageBox")[0].rfind("MessageBox Quillor add printer|Add monitor error(127)\n", 0), 0u);
  EXPECT_TRUE(Fake().Before(Fake().Entries("MessageBox")[0], "AddPort (null) no-owner Quillor"));
  EXPECT_EQ(Fake().Entries("RegSetValueEx " + kPortKey).size(), 2u);
}

TEST_F(InstallSequenceTest, AFailedPortEndsTheRunWithCode0BeforeThePrinter) {
  Fake().addPortError = ERROR_INVALID_PARAMETER;
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().log.back().rfind("MessageBox Quillor add printer|Enum monitors error(87)\n", 0), 0u);
  EXPECT_TRUE(Fake().Entries("AddPrinterDriver").empty());
  EXPECT_TRUE(Fake().Entries("RegOpenKeyEx " + kPortKey).empty());
}

TEST_F(InstallSequenceTest, AFailedPrinterIsReportedTwiceAndLeavesThePortKeyAlone) {
  Fake().addPrinterError = 1797;
  EXPECT_EQ(Run(), kSetupCompleted);
  const Log boxes = Fake().Entries("MessageBox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "MessageBox AddPrinter|AddPrinter failed,error code is 1797");
  EXPECT_EQ(boxes[1].rfind("MessageBox Quillor add printer|Enum monitors error(1797)\n", 0), 0u);
  EXPECT_TRUE(Fake().Entries("RegOpenKeyEx " + kPortKey).empty());
}

TEST_F(InstallSequenceTest, AMissingPortKeyIsSilent) {
  Fake().registry.erase(kPortKey);
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
  EXPECT_TRUE(Fake().Entries("RegSetValueEx " + kPortKey).empty());
  EXPECT_EQ(Fake().Entries("SetDefaultPrinter").size(), 1u);
}

TEST_F(InstallSequenceTest, QuietModeSilencesItsOwnReportsButNotThePrinterInstallersBoxes) {
  Fake().versionWord = kWin95Word;
  Fake().windowsDirectory = "";
  Fake().addMonitorError = 5;
  Fake().addPrinterError = 1797;
  EXPECT_EQ(Run("/anything"), kSetupCompleted);
  const Log boxes = {"MessageBox (null)|IsNT95", "MessageBox AddPrinter|AddPrinter failed,error code is 1797"};
  EXPECT_EQ(Fake().Entries("MessageBox"), boxes);

  Fake().log.clear();
  Fake().monitorListFails = true;
  EXPECT_EQ(Run("x"), kSetupStopped);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
}

TEST_F(InstallSequenceTest, UninstallEntryFailuresAreSilent) {
  const std::string parent = "hklm\\software\\microsoft\\windows\\currentversion\\uninstall";
  Fake().failingCreates = {parent};
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().Value(kUninstallEntry, "DisplayName"), nullptr);

  // The parent is opened when it exists; a refused value skips the rest of the entry.
  Fake().failingCreates.clear();
  Fake().registry[parent];
  Fake().failingValueWrites = {"DisplayName"};
  Fake().log.clear();
  EXPECT_EQ(Run(), kSetupCompleted);
  EXPECT_EQ(Fake().Entries("RegOpenKeyEx " + parent)[0], "RegOpenKeyEx " + parent + " all-access");
  EXPECT_TRUE(Fake().Entries("RegCreateKey " + parent + "\\").size() == 1u);
  EXPECT_EQ(Fake().Value(kUninstallEntry, "UninstallString"), nullptr);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
  EXPECT_TRUE(Fake().openKeys.empty());
}

}  // namespace
