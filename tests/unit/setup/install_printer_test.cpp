#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "install_printer.h"
#include "program_directory.h"
#include "temp_dir.h"

namespace {

using Log = std::vector<std::string>;

class InstallPrinterTest : public testing::Test {
 protected:
  FakeWindowsScope fake;
  const std::string setupFolder = ProgramDirectory();
  const std::string drivers = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\";
  const std::string processors = "C:\\WINDOWS\\system32\\spool\\prtprocs\\w32x86\\";

  std::string Copy(const std::string& source, const std::string& target) const {
    return "CopyFile " + source + " -> " + target + " overwrite";
  }
};

TEST_F(InstallPrinterTest, OnXpCopiesRegistersAndAddsTheDefaultPrinterInOrder) {
  Fake().versionWord = kWinXpWord;
  ASSERT_EQ(InstallPrinter(), 0);
  const std::string source = setupFolder + "winxp\\";
  const Log expected = {
      "GetPrinterDriverDirectory Windows NT x86 1 260",
      Copy(source + "plinthdrv.dll", drivers + "plinthdrv.dll"),
      Copy(source + "plinth.gpd", drivers + "plinth.gpd"),
      Copy(source + "plinthui.dll", drivers + "plinthui.dll"),
      Copy(setupFolder + "UNIRES.DLL", drivers + "3\\UNIRES.DLL"),
      Copy(setupFolder + "STDNAMES.GPD", drivers + "3\\STDNAMES.GPD"),
      "AddPrinterDriver (null) 2",
      "GetPrintProcessorDirectory Windows NT x86 1 260",
      Copy(source + "quillproc.dll", processors + "quillproc.dll"),
      "AddPrintProcessor (null) Windows NT x86|quillproc.dll|Quillprint",
      "AddPrinter (null) 2",
      "ClosePrinter",
      "LoadLibrary WINSPOOL.DRV",
      "GetProcAddress SetDefaultPrinterA",
      "SetDefaultPrinter Quillor Printer",
      "FreeLibrary",
  };
  EXPECT_EQ(Fake().log, expected);
  const Log driver = {"3", "Quillor Printer", "Windows NT x86", drivers + "plinthdrv.dll",
                      drivers + "plinth.gpd", drivers + "plinthui.dll"};
  EXPECT_EQ(Fake().driverRecord, driver);
  EXPECT_EQ(Fake().printerStrings[7], "Quillprint");
  EXPECT_EQ(Fake().printerStrings[8], "NT EMF 1.008");
  EXPECT_EQ(Fake().devMode.dmFields, 0x201FF53u);
  EXPECT_EQ(Fake().devMode.dmSize, 156);
}

TEST_F(InstallPrinterTest, EachNtVersionTakesItsSubfolderAndDriverVersion) {
  const struct {
    DWORD word;
    const char* subfolder;
    const char* version;
  } cases[] = {{kNt4Word, "winnt", "2"}, {kWin2000Word, "win2k", "3"}, {kWin2003Word, "winxp", "3"}};
  for (const auto& c : cases) {
    Fake().log.clear();
    Fake().versionWord = c.word;
    ASSERT_EQ(InstallPrinter(), 0);
    EXPECT_EQ(Fake().driverRecord[0], c.version);
    EXPECT_EQ(Fake().Entries("CopyFile")[0],
              Copy(setupFolder + c.subfolder + "\\plinthdrv.dll", drivers + "plinthdrv.dll"));
    EXPECT_TRUE(Fake().Entries("MessageBox").empty());
  }
}

TEST_F(InstallPrinterTest, AnUnknownNtVersionIsAnnouncedAndGetsThe2000FilesWithVersion0) {
  Fake().versionWord = kVistaWord;
  ASSERT_EQ(InstallPrinter(), 0);
  EXPECT_EQ(Fake().log.front(), "MessageBox (null)|Unknown OS");
  EXPECT_EQ(Fake().driverRecord[0], "0");
  EXPECT_EQ(Fake().Entries("CopyFile")[0],
            Copy(setupFolder + "win2k\\plinthdrv.dll", drivers + "plinthdrv.dll"));
  EXPECT_EQ(Fake().Entries("AddPrintProcessor").size(), 1u);
}

TEST_F(InstallPrinterTest, On9xOneDriverFileAndNoPrintProcessor) {
  for (DWORD word : {kWin98Word, kWin95Word}) {
    Fake().log.clear();
    Fake().versionWord = word;
    Fake().driverDirectory = "C:\\WINDOWS\\SYSTEM";
    ASSERT_EQ(InstallPrinter(), 0);
    const std::string source = setupFolder + (word == kWin95Word ? "win95\\" : "win98\\");
    const std::string target = "C:\\WINDOWS\\SYSTEM\\";
    const Log copies = {
        Copy(source + "plinth.drv", target + "plinth.drv"),
        Copy(source + "plinth.drv", target + "plinth.drv"),
        Copy(source + "plinth.drv", target + "plinth.drv"),
        Copy(setupFolder + "UNIRES.DLL", target + "3\\UNIRES.DLL"),
        Copy(setupFolder + "STDNAMES.GPD", target + "3\\STDNAMES.GPD"),
    };
    EXPECT_EQ(Fake().Entries("CopyFile"), copies);
    EXPECT_EQ(Fake().Entries("GetPrinterDriverDirectory")[0], "GetPrinterDriverDirectory Windows 4.0 1 260");
    EXPECT_EQ(Fake().driverRecord[0], "0");
    EXPECT_EQ(Fake().driverRecord[2], "Windows 4.0");
    EXPECT_TRUE(Fake().Entries("GetPrintProcessorDirectory").empty());
    EXPECT_TRUE(Fake().Entries("AddPrintProcessor").empty());
    EXPECT_EQ(Fake().printerStrings[7], "WinPrint");
    EXPECT_EQ(Fake().printerStrings[8], "EMF");
  }
  // Only Windows 95 is announced, before anything else.
  EXPECT_EQ(Fake().log.front(), "MessageBox (null)|IsNT95");
}

// In the double-byte runs the folders end in a character whose second byte is '\' (code
// page 932) or a letter (949): each still gets a backslash of its own.
TEST_F(InstallPrinterTest, SpoolerFoldersEndingInADoubleByteNameGetTheirOwnBackslash) {
  const TempDir driverFolder;
  const TempDir processorFolder;
  Fake().driverDirectory = driverFolder.path();
  Fake().processorDirectory = processorFolder.path();
  ASSERT_EQ(InstallPrinter(), 0);
  EXPECT_EQ(Fake().driverRecord[3], driverFolder.file("plinthdrv.dll"));
  EXPECT_EQ(Fake().Entries("CopyFile")[3],
            Copy(setupFolder + "UNIRES.DLL", driverFolder.file("3\\UNIRES.DLL")));
  EXPECT_EQ(Fake().Entries("CopyFile")[5],
            Copy(setupFolder + "winxp\\quillproc.dll", processorFolder.file("quillproc.dll")));
}

TEST_F(InstallPrinterTest, FailedDriverFileCopiesAreSilent) {
  Fake().failingCopies = {setupFolder + "winxp\\plinthdrv.dll", setupFolder + "UNIRES.DLL"};
  EXPECT_EQ(InstallPrinter(), 0);
  EXPECT_TRUE(Fake().Entries("MessageBox").empty());
  EXPECT_EQ(Fake().Entries("CopyFile").size(), 6u);
}

TEST_F(InstallPrinterTest, DriverAndProcessorFailuresAreShownAndThePrinterIsStillAdded) {
  Fake().addDriverError = 1797;
  Fake().failingCopies = {setupFolder + "winxp\\quillproc.dll"};
  Fake().copyError = 3;
  Fake().addProcessorError = 87;
  EXPECT_EQ(InstallPrinter(), 0);
  const Log boxes = {
      "MessageBox AddPrinterDriver|AddPrinterDriver() return code is 1797",
      "MessageBox CopyFile|'" + setupFolder + "winxp\\quillproc.dll'->'" + processors +
          "quillproc.dll' fail, return code is 3",
      "MessageBox AddPrintProcessor|AddPrintProcessor() return code is 87",
  };
  EXPECT_EQ(Fake().Entries("MessageBox"), boxes);
  EXPECT_TRUE(Fake().Before(boxes[2], "AddPrinter (null) 2"));
}

TEST_F(InstallPrinterTest, ALongCopyFailureTextIsShownWhole) {
  // Two long paths make the text longer than the 260 characters a fixed buffer would hold.
  Fake().processorDirectory = "C:\\" + std::string(200, 'p');
  Fake().failingCopies = {setupFolder + "winxp\\quillproc.dll"};
  EXPECT_EQ(InstallPrinter(), 0);
  const Log boxes = Fake().Entries("MessageBox CopyFile|");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_GT(boxes[0].size(), 260u);
  EXPECT_NE(boxes[0].find(Fake().processorDirectory + "\\quillproc.dll' fail, return code is "),
            std::string::npos);
}

TEST_F(InstallPrinterTest, AFailedAddPrinterIsShownAndGivesMinus2WithoutDefaultPrinter) {
  Fake().addPrinterError = 1796;
  EXPECT_EQ(InstallPrinter(), kAddPrinterFailed);
  EXPECT_EQ(Fake().log.back(), "MessageBox AddPrinter|AddPrinter failed,error code is 1796");
  EXPECT_TRUE(Fake().Entries("ClosePrinter").empty());
  EXPECT_TRUE(Fake().Entries("LoadLibrary").empty());
}

TEST_F(InstallPrinterTest, WithoutSetDefaultPrinterThePrinterStaysInstalled) {
  Fake().setDefaultPrinterExported = false;
  EXPECT_EQ(InstallPrinter(), 0);
  EXPECT_TRUE(Fake().Entries("SetDefaultPrinter").empty());
  EXPECT_EQ(Fake().log.back(), "FreeLibrary");

  Fake().log.clear();
  Fake().spoolerLibraryLoads = false;
  EXPECT_EQ(InstallPrinter(), 0);
  EXPECT_EQ(Fake().log.back(), "LoadLibrary WINSPOOL.DRV");
}

}  // namespace
