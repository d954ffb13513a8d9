#pragma once

#include <string>

#include <windows.h>
#include <winspool.h>

#include "file_sets.h"

// The printer's default settings: A4 portrait, 600 dpi, monochrome, one copy. No
// driver-private bytes follow (dmDriverExtra 0): the installer has none to give, and the
// driver fills in its own defaults.
DEVMODEA DefaultDevMode();

// The driver registration (level 2). Its fields point into the record, which therefore
// stays where it was made.
class DriverRecord {
 public:
  DriverRecord(const FileSet& files, bool isNt, const std::string& driverDirectory);
  DriverRecord(const DriverRecord&) = delete;
  DriverRecord& operator=(const DriverRecord&) = delete;

  DRIVER_INFO_2A* info() { return &m_info; }

 private:
  std::string m_name;
  std::string m_environment;
  std::string m_driverPath;
  std::string m_dataFile;
  std::string m_configFile;
  DRIVER_INFO_2A m_info;
};

// The printer "Quillor Printer" on its port (level 2), with the default device mode.
class PrinterRecord {
 public:
  explicit PrinterRecord(bool isNt);
  PrinterRecord(const PrinterRecord&) = delete;
  PrinterRecord& operator=(const PrinterRecord&) = delete;

  PRINTER_INFO_2A* info() { return &m_info; }

 private:
  std::string m_printerName;
  std::string m_portName;
  std::string m_driverName;
  std::string m_comment;
  std::string m_printProcessor;
  std::string m_datatype;
  std::string m_empty;
  DEVMODEA m_devMode;
  PRINTER_INFO_2A m_info;
};
