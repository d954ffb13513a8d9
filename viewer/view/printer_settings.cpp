#include "printer_settings.h"

#include <winspool.h>

#include "sheet_layout.h"

namespace {

// An open printer, closed once.
class CScopedPrinter {
 public:
  explicit CScopedPrinter(const std::string& name) {
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &m_handle, nullptr)) m_handle = nullptr;
  }
  ~CScopedPrinter() {
    if (m_handle) ClosePrinter(m_handle);
  }
  CScopedPrinter(const CScopedPrinter&) = delete;
  CScopedPrinter& operator=(const CScopedPrinter&) = delete;

  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle = nullptr;
};

// A device context from CreateDC, deleted once.
class CScopedDC {
 public:
  explicit CScopedDC(HDC dc) : m_dc(dc) {}
  ~CScopedDC() {
    if (m_dc) DeleteDC(m_dc);
  }
  CScopedDC(const CScopedDC&) = delete;
  CScopedDC& operator=(const CScopedDC&) = delete;

  HDC get() const { return m_dc; }

 private:
  HDC m_dc;
};

// The default printer's name from the "device" entry ("name,driver,port"), which every
// Windows of the family keeps; empty without one.
std::string DefaultPrinterName() {
  char device[512] = "";
  GetProfileStringA("windows", "device", "", device, sizeof device);
  std::string name(device);
  const std::string::size_type comma = name.find(',');
  if (comma != std::string::npos) name.resize(comma);
  return name;
}

}  // namespace

bool CPrinterSettings::EnsureDefaults() {
  if (!m_devMode.empty()) return true;
  const std::string name = DefaultPrinterName();
  if (name.empty()) return false;
  CScopedPrinter printer(name);
  if (!printer.get()) return false;
  char* device = const_cast<char*>(name.c_str());
  const LONG size = DocumentPropertiesA(nullptr, printer.get(), device, nullptr, nullptr, 0);
  if (size < static_cast<LONG>(sizeof(DEVMODEA))) return false;
  std::vector<BYTE> devMode(static_cast<size_t>(size));
  if (DocumentPropertiesA(nullptr, printer.get(), device,
                          reinterpret_cast<DEVMODEA*>(devMode.data()), nullptr,
                          DM_OUT_BUFFER) != IDOK)
    return false;
  m_printerName = name;
  m_devMode.swap(devMode);
  return true;
}

void CPrinterSettings::SetPrinterOrientation(bool landscape) {
  if (!EnsureDefaults()) return;
  DEVMODEA& mode = *reinterpret_cast<DEVMODEA*>(m_devMode.data());
  mode.dmOrientation = static_cast<short>(landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
  mode.dmFields |= DM_ORIENTATION;
}

bool CPrinterSettings::ReadSheetSize(SIZE& sheet) {
  if (!EnsureDefaults()) return false;
  CScopedDC dc(CreateDCA(nullptr, m_printerName.c_str(), nullptr,
                         reinterpret_cast<const DEVMODEA*>(m_devMode.data())));
  if (!dc.get()) return false;
  return SheetSizeFromPrintableArea(GetDeviceCaps(dc.get(), HORZSIZE),
                                    GetDeviceCaps(dc.get(), VERTSIZE), sheet);
}

CPrinterSettings& AppPrinterSettings() {
  static CPrinterSettings settings;
  return settings;
}
