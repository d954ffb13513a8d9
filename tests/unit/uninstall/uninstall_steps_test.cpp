// The uninstaller's steps with the spooler, registry and file calls behind its seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>
#include <winspool.h>

#include "message_box.h"
#include "temp_dir.h"
#include "uninstall_calls.h"
#include "uninstall_steps.h"
#include "windows_family.h"

namespace {

constexpr DWORD kWin98Word = 0xC0000A04;
constexpr DWORD kWinXpWord = 0x0A280105;
const HANDLE kPrinter = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7003));
const HKEY kUninstallKey = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x7004));

// A scripted system: each call is logged; `errors` names the calls that fail and how.
struct Fake {
  DWORD versionWord = kWinXpWord;
  std::map<std::string, DWORD> errors;
  std::set<std::string> filesInUse;
  std::set<std::string> missingFiles;
  std::string windowsDirectory;
  std::vector<std::string> log;
  std::vector<std::string> boxes;
};
Fake g_fake;

BOOL Called(const std::string& name, const std::string& detail = "") {
  g_fake.log.push_back(detail.empty() ? name : name + " " + detail);
  const auto error = g_fake.errors.find(name);
  if (error == g_fake.errors.end()) return TRUE;
  SetLastError(error->second);
  return FALSE;
}

LONG Status(const std::string& name, const std::string& detail) {
  return Called(name, detail) ? ERROR_SUCCESS : static_cast<LONG>(GetLastError());
}

std::string Text(const char* text) { return text ? text : "(null)"; }

BOOL WINAPI FakeOpenPrinter(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA access) {
  if (!Called("OpenPrinter", Text(name) + (access && access->DesiredAccess == PRINTER_ALL_ACCESS ? " all" : ""))) {
    return FALSE;
  }
  *printer = kPrinter;
  return TRUE;
}
BOOL WINAPI FakeSetPrinter(HANDLE, DWORD level, LPBYTE, DWORD command) {
  return Called("SetPrinter", std::to_string(level) + (command == PRINTER_CONTROL_PURGE ? " purge" : ""));
}
BOOL WINAPI FakeDeletePrinter(HANDLE printer) { return Called("DeletePrinter", printer == kPrinter ? "" : "?"); }
BOOL WINAPI FakeClosePrinter(HANDLE printer) { return Called("ClosePrinter", printer == kPrinter ? "" : "?"); }
BOOL WINAPI FakeDeletePrinterDriver(LPSTR, LPSTR environment, LPSTR name) {
  return Called("DeletePrinterDriver", Text(environment) + "|" + Text(name));
}
BOOL WINAPI FakeDeletePrintProcessor(LPSTR, LPSTR environment, LPSTR name) {
  return Called("DeletePrintProcessor", Text(environment) + "|" + Text(name));
}
BOOL WINAPI FakeDeletePort(LPSTR, HWND window, LPSTR name) {
  return Called("DeletePort", Text(name) + (window ? " window" : ""));
}
BOOL WINAPI FakeDeleteMonitor(LPSTR, LPSTR environment, LPSTR name) {
  return Called("DeleteMonitor", Text(environment) + "|" + Text(name));
}
BOOL WriteDirectory(const std::string& name, const char* environment, const std::string& directory, LPBYTE buffer,
                    DWORD size) {
  if (!Called(name, Text(environment))) return FALSE;
  if (directory.size() + 1 > size) return FALSE;
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
  return TRUE;
}
BOOL WINAPI FakeDriverDirectory(LPSTR, LPSTR environment, DWORD, LPBYTE buffer, DWORD size, LPDWORD) {
  return WriteDirectory("GetPrinterDriverDirectory", environment, "C:\\S\\spool\\drivers\\w32x86", buffer, size);
}
BOOL WINAPI FakeProcessorDirectory(LPSTR, LPSTR environment, DWORD, LPBYTE buffer, DWORD size, LPDWORD) {
  return WriteDirectory("GetPrintProcessorDirectory", environment, "C:\\S\\spool\\prtprocs\\w32x86", buffer, size);
}
LSTATUS WINAPI FakeRegOpenKeyEx(HKEY, LPCSTR name, DWORD, REGSAM, PHKEY key) {
  const LONG status = Status("RegOpenKeyEx", Text(name));
  if (status == ERROR_SUCCESS) *key = kUninstallKey;
  return status;
}
LSTATUS WINAPI FakeRegDeleteKey(HKEY key, LPCSTR name) {
  return Status("RegDeleteKey", (key == kUninstallKey ? "" : "? ") + Text(name));
}
LSTATUS WINAPI FakeRegCloseKey(HKEY key) { return Status("RegCloseKey", key == kUninstallKey ? "" : "?"); }
UINT CopyDirectory(const std::string& name, const std::string& directory, LPSTR buffer, UINT size) {
  if (!Called(name)) return 0;
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
  return static_cast<UINT>(directory.size() < size ? directory.size() : 0);
}
UINT WINAPI FakeSystemDirectory(LPSTR buffer, UINT size) {
  return CopyDirectory("GetSystemDirectory", "C:\\S", buffer, size);
}
UINT WINAPI FakeWindowsDirectory(LPSTR buffer, UINT size) {
  return CopyDirectory("GetWindowsDirectory", g_fake.windowsDirectory, buffer, size);
}
BOOL WINAPI FakeDeleteFile(LPCSTR path) {
  g_fake.log.push_back("DeleteFile " + Text(path));
  if (g_fake.filesInUse.count(path)) return SetLastError(ERROR_SHARING_VIOLATION), FALSE;
  if (g_fake.missingFiles.count(path)) return SetLastError(ERROR_FILE_NOT_FOUND), FALSE;
  return TRUE;
}
BOOL WINAPI FakeMoveFileEx(LPCSTR path, LPCSTR target, DWORD flags) {
  return Called("MoveFileEx",
                Text(path) + " -> " + Text(target) + (flags == MOVEFILE_DELAY_UNTIL_REBOOT ? " at restart" : ""));
}
BOOL WINAPI FakeWriteProfile(LPCSTR section, LPCSTR, LPCSTR, LPCSTR) {
  return Called("WritePrivateProfileString", section ? "?" : "flush");
}

int AnswerBox(HWND, const char* text, const char* caption, UINT) {
  g_fake.boxes.push_back(Text(caption) + "|" + Text(text));
  return IDOK;
}

DWORD FakeVersion() { return g_fake.versionWord; }

class UninstallStepsTest : public testing::Test {
 protected:
  void SetUp() override {
    g_fake = Fake{};
    g_fake.windowsDirectory = windows.path();
    m_previous = SetUninstallCalls(UninstallCalls{
        FakeOpenPrinter, FakeSetPrinter, FakeDeletePrinter, FakeClosePrinter, FakeDeletePrinterDriver,
        FakeDeletePrintProcessor, FakeDeletePort, FakeDeleteMonitor, FakeDriverDirectory, FakeProcessorDirectory,
        FakeRegOpenKeyEx, FakeRegDeleteKey, FakeRegCloseKey, FakeSystemDirectory, FakeWindowsDirectory,
        FakeDeleteFile, FakeMoveFileEx, FakeWriteProfile});
    m_previousBox = SetMessageBoxHook(AnswerBox);
    m_previousVersion = SetVersionWordSource(FakeVersion);
  }
  void TearDown() override {
    SetUninstallCalls(m_previous);
    SetMessageBoxHook(m_previousBox);
    SetVersionWordSource(m_previousVersion);
  }

  std::vector<std::string> Entries(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : g_fake.log) {
      if (entry.compare(0, prefix.size(), prefix) == 0) found.push_back(entry.substr(prefix.size()));
    }
    return found;
  }
  std::string Wininit() const {
    std::ifstream file(windows.file("wininit.ini"), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  TempDir windows;

 private:
  UninstallCalls m_previous;
  MessageBoxHook m_previousBox;
  VersionWordSource m_previousVersion;
};

TEST_F(UninstallStepsTest, OnXpEveryPartGoesInOrderFromTheEnvironmentSetupUsedAndNothingIsSaid) {
  EXPECT_EQ(RunUninstall(), kRemovedCompletely);
  const std::vector<std::string> spooler = {
      "OpenPrinter Quillor Printer all",
      "SetPrinter 0 purge",
      "DeletePrinter",
      "ClosePrinter",
      "DeletePrinterDriver Windows NT x86|Quillor Printer",
      "DeletePrintProcessor Windows NT x86|Quillprint",
      "DeletePort Quillor1:",
      "DeleteMonitor Windows NT x86|Quillor",
      "RegOpenKeyEx SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
      "RegDeleteKey Quillor add printer",
      "RegCloseKey"};
  EXPECT_EQ(std::vector<std::string>(g_fake.log.begin(), g_fake.log.begin() + spooler.size()), spooler);
  const std::string drivers = "C:\\S\\spool\\drivers\\w32x86\\";
  EXPECT_EQ(Entries("DeleteFile "),
            (std::vector<std::string>{"C:\\S\\plinthxp.dll", "C:\\S\\Quillor.hlp", drivers + "plinthdrv.dll",
                                      drivers + "plinth.gpd", drivers + "plinthui.dll", drivers + "3\\plinthdrv.dll",
                                      drivers + "3\\plinth.gpd", drivers + "3\\plinthui.dll",
                                      "C:\\S\\spool\\prtprocs\\w32x86\\quillproc.dll", "C:\\S\\unquill.exe"}));
  EXPECT_TRUE(Entries("MoveFileEx").empty());
  EXPECT_TRUE(g_fake.boxes.empty());
}

TEST_F(UninstallStepsTest, PartsAlreadyGoneAreNoFailure) {
  g_fake.errors = {{"OpenPrinter", ERROR_INVALID_PRINTER_NAME},
                   {"DeletePrinterDriver", ERROR_UNKNOWN_PRINTER_DRIVER},
                   {"DeletePrintProcessor", ERROR_UNKNOWN_PRINTPROCESSOR},
                   {"DeletePort", ERROR_UNKNOWN_PORT},
                   {"DeleteMonitor", ERROR_UNKNOWN_PRINT_MONITOR},
                   {"RegDeleteKey", ERROR_FILE_NOT_FOUND}};
  for (const char* file : {"C:\\S\\plinthxp.dll", "C:\\S\\Quillor.hlp", "C:\\S\\unquill.exe"}) {
    g_fake.missingFiles.insert(file);
  }
  EXPECT_EQ(RunUninstall(), kRemovedCompletely);
  EXPECT_TRUE(g_fake.boxes.empty());
  EXPECT_EQ(std::count(g_fake.log.begin(), g_fake.log.end(), "DeletePrinter"), 0)
      << "a printer that isn't there is not deleted";
  EXPECT_TRUE(Entries("MoveFileEx").empty());
}

TEST_F(UninstallStepsTest, WhatStaysIsListedInOneMessageAndEveryOtherStepStillRuns) {
  g_fake.errors = {{"DeletePrinter", ERROR_ACCESS_DENIED},
                   {"DeletePrinterDriver", ERROR_PRINTER_DRIVER_IN_USE},
                   {"DeletePort", ERROR_NOT_SUPPORTED},
                   {"RegOpenKeyEx", ERROR_ACCESS_DENIED},
                   {"MoveFileEx", ERROR_ACCESS_DENIED}};
  g_fake.filesInUse = {"C:\\S\\plinthxp.dll", "C:\\S\\Quillor.hlp"};
  EXPECT_EQ(RunUninstall(), kPartsLeft);
  ASSERT_EQ(g_fake.boxes.size(), 1u);
  EXPECT_EQ(g_fake.boxes[0],
            "Quillor Printer|Quillor Printer could not be removed completely. These parts are still installed:\n\n"
            "- the printer \"Quillor Printer\" (error 5)\n"
            "- the printer driver \"Quillor Printer\" (error 3001)\n"
            "- the port \"Quillor1:\" (error 50)\n"
            "- the entry \"Quillor add printer\" in the list of installed programs (error 5)\n"
            "- the file C:\\S\\plinthxp.dll (error 5)\n"
            "- the file C:\\S\\Quillor.hlp (error 5)\n"
            "\nClose every program that prints, then remove Quillor Printer again.");
  EXPECT_EQ(Entries("DeleteMonitor ").size(), 1u);
  EXPECT_EQ(Entries("ClosePrinter").size(), 1u);
  // The driver that stays keeps its files; everything else is tried.
  EXPECT_EQ(Entries("DeleteFile "),
            (std::vector<std::string>{"C:\\S\\plinthxp.dll", "C:\\S\\Quillor.hlp",
                                      "C:\\S\\spool\\prtprocs\\w32x86\\quillproc.dll", "C:\\S\\unquill.exe"}));
}

TEST_F(UninstallStepsTest, OnNtAFileInUseGoesAtTheNextStart) {
  g_fake.filesInUse = {"C:\\S\\plinthxp.dll"};
  EXPECT_EQ(RunUninstall(), kRemovedCompletely);
  EXPECT_EQ(Entries("MoveFileEx "), std::vector<std::string>{"C:\\S\\plinthxp.dll -> (null) at restart"});
  EXPECT_TRUE(g_fake.boxes.empty());
}

TEST_F(UninstallStepsTest, On98TheDriverOf40GoesAndFilesInUseAreLeftToWininitWithTheUninstallerFirst) {
  g_fake.versionWord = kWin98Word;
  {
    std::ofstream existing(windows.file("wininit.ini"), std::ios::binary);
    existing << "[Rename]\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\n";
  }
  g_fake.filesInUse = {"C:\\S\\plinth98.dll", "C:\\S\\unquill.exe"};
  EXPECT_EQ(RunUninstall(), kRemovedCompletely);
  EXPECT_TRUE(Entries("DeletePrintProcessor").empty());
  EXPECT_EQ(Entries("DeletePrinterDriver "), std::vector<std::string>{"Windows 4.0|Quillor Printer"});
  EXPECT_EQ(Entries("DeleteMonitor "), std::vector<std::string>{"Windows 4.0|Quillor"});
  const std::string drivers = "C:\\S\\spool\\drivers\\w32x86\\";
  EXPECT_EQ(Entries("DeleteFile "),
            (std::vector<std::string>{"C:\\S\\plinth98.dll", "C:\\S\\Quillor.hlp", drivers + "plinth.drv",
                                      drivers + "0\\plinth.drv", "C:\\S\\unquill.exe"}));
  EXPECT_TRUE(Entries("MoveFileEx").empty());
  EXPECT_EQ(Entries("WritePrivateProfileString "), (std::vector<std::string>{"flush", "flush"}));
  EXPECT_EQ(Wininit(), "[Rename]\r\nNUL=C:\\S\\unquill.exe\r\nNUL=C:\\S\\plinth98.dll\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\n");
  EXPECT_TRUE(g_fake.boxes.empty());
}

}  // namespace
