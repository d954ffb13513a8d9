#include <gtest/gtest.h>

#include <string>

#include "fake_windows.h"
#include "file_sets.h"
#include "printer_records.h"

namespace {

TEST(DefaultDevMode, HoldsA4PortraitAt600DpiFieldByField) {
  const DEVMODEA mode = DefaultDevMode();
  EXPECT_STREQ(reinterpret_cast<const char*>(mode.dmDeviceName), "Quillor Printer");
  EXPECT_EQ(mode.dmSpecVersion, 0x401);
  EXPECT_EQ(mode.dmDriverVersion, 0x502);
  EXPECT_EQ(mode.dmSize, 156);
  EXPECT_EQ(mode.dmDriverExtra, 0);
  EXPECT_EQ(mode.dmFields, 0x201FF53u);
  EXPECT_EQ(mode.dmOrientation, 1);
  EXPECT_EQ(mode.dmPaperSize, 9);
  EXPECT_EQ(mode.dmPaperLength, 2970);
  EXPECT_EQ(mode.dmPaperWidth, 2100);
  EXPECT_EQ(mode.dmScale, 100);
  EXPECT_EQ(mode.dmCopies, 1);
  EXPECT_EQ(mode.dmDefaultSource, 15);
  EXPECT_EQ(mode.dmPrintQuality, 600);
  EXPECT_EQ(mode.dmColor, 1);
  EXPECT_EQ(mode.dmDuplex, 1);
  EXPECT_EQ(mode.dmYResolution, 600);
  EXPECT_EQ(mode.dmTTOption, 3);
  EXPECT_EQ(mode.dmCollate, 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(mode.dmFormName), "A4");
  EXPECT_EQ(mode.dmLogPixels, 0);
  EXPECT_EQ(mode.dmBitsPerPel, 0u);
  EXPECT_EQ(mode.dmPelsWidth, 0u);
  EXPECT_EQ(mode.dmPelsHeight, 0u);
  EXPECT_EQ(mode.dmNup, 1u);
  EXPECT_EQ(mode.dmDisplayFrequency, 0u);
  EXPECT_EQ(mode.dmICMMethod, 1u);
  EXPECT_EQ(mode.dmICMIntent, 2u);
  EXPECT_EQ(mode.dmMediaType, 256u);
  EXPECT_EQ(mode.dmDitherType, 0u);
  EXPECT_EQ(mode.dmReserved1, 0u);
  EXPECT_EQ(mode.dmReserved2, 0u);
  EXPECT_EQ(mode.dmPanningWidth, 0u);
  EXPECT_EQ(mode.dmPanningHeight, 0u);
}

TEST(DriverRecord, NamesTheFilesInTheDriverDirectory) {
  DriverRecord nt(ChooseFileSet(kNt4Word), true, "C:\\drivers");
  const DRIVER_INFO_2A* info = nt.info();
  EXPECT_EQ(info->cVersion, 2u);
  EXPECT_STREQ(info->pName, "Quillor Printer");
  EXPECT_STREQ(info->pEnvironment, "Windows NT x86");
  EXPECT_STREQ(info->pDriverPath, "C:\\drivers\\plinthdrv.dll");
  EXPECT_STREQ(info->pDataFile, "C:\\drivers\\plinth.gpd");
  EXPECT_STREQ(info->pConfigFile, "C:\\drivers\\plinthui.dll");

  DriverRecord nineX(ChooseFileSet(kWin98Word), false, "C:\\drivers\\");
  EXPECT_EQ(nineX.info()->cVersion, 0u);
  EXPECT_STREQ(nineX.info()->pEnvironment, "Windows 4.0");
  for (const char* path : {nineX.info()->pDriverPath, nineX.info()->pDataFile, nineX.info()->pConfigFile}) {
    EXPECT_STREQ(path, "C:\\drivers\\plinth.drv");
  }
}

TEST(PrinterRecord, DescribesTheLocalPrinterOnItsPort) {
  PrinterRecord record(true);
  const PRINTER_INFO_2A* info = record.info();
  EXPECT_EQ(info->pServerName, nullptr);
  EXPECT_STREQ(info->pPrinterName, "Quillor Printer");
  EXPECT_STREQ(info->pShareName, "");
  EXPECT_STREQ(info->pPortName, "Quillor1:");
  EXPECT_STREQ(info->pDriverName, "Quillor Printer");
  EXPECT_NE(std::string(info->pComment), "");
  EXPECT_STREQ(info->pLocation, "");
  ASSERT_NE(info->pDevMode, nullptr);
  EXPECT_EQ(info->pDevMode->dmFields, 0x201FF53u);
  EXPECT_STREQ(info->pSepFile, "");
  EXPECT_STREQ(info->pPrintProcessor, "Quillprint");
  EXPECT_STREQ(info->pDatatype, "NT EMF 1.008");
  EXPECT_STREQ(info->pParameters, "");
  EXPECT_EQ(info->pSecurityDescriptor, nullptr);
  EXPECT_EQ(info->Attributes, 0x240u);
  EXPECT_EQ(info->Priority, 1u);
  EXPECT_EQ(info->DefaultPriority, 0u);
  EXPECT_EQ(info->StartTime, 0u);
  EXPECT_EQ(info->UntilTime, 0u);
  EXPECT_EQ(info->Status, 0u);
  EXPECT_EQ(info->cJobs, 0u);
  EXPECT_EQ(info->AveragePPM, 0u);
}

TEST(PrinterRecord, UsesTheSystemProcessorAndEmfOn9x) {
  PrinterRecord record(false);
  EXPECT_STREQ(record.info()->pPrintProcessor, "WinPrint");
  EXPECT_STREQ(record.info()->pDatatype, "EMF");
}

}  // namespace
