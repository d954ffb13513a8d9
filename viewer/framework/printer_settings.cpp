#include "printer_settings.h"

#include <winspool.h>

#include <cstring>

#include "gdi_holders.h"

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

// A global memory block, locked while this lives.
class CGlobalLock {
 public:
  explicit CGlobalLock(HGLOBAL block) : m_block(block), m_data(block ? GlobalLock(block) : nullptr) {}
  ~CGlobalLock() {
    if (m_data) GlobalUnlock(m_block);
  }
  CGlobalLock(const CGlobalLock&) = delete;
  CGlobalLock& operator=(const CGlobalLock&) = delete;

  BYTE* data() const { return static_cast<BYTE*>(m_data); }

 private:
  HGLOBAL m_block;
  void* m_data;
};

// The next comma-separated part of the "device" entry, taken off its front.
std::string TakeField(std::string& text) {
  const std::string::size_type comma = text.find(',');
  std::string field = text.substr(0, comma);
  text = comma == std::string::npos ? std::string() : text.substr(comma + 1);
  return field;
}

HGLOBAL CopyToGlobal(const void* data, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  CGlobalLock lock(block);
  if (!lock.data()) {
    if (block) GlobalFree(block);
    return nullptr;
  }
  std::memcpy(lock.data(), data, size);
  return block;
}

// A DEVNAMES block: the header, then the driver, printer and port names one after another.
HGLOBAL MakeDevNames(const std::string& driver, const std::string& device,
                     const std::string& port) {
  std::vector<char> block(sizeof(DEVNAMES));
  auto append = [&block](const std::string& text) {
    const WORD offset = static_cast<WORD>(block.size());
    block.insert(block.end(), text.begin(), text.end());
    block.push_back('\0');
    return offset;
  };
  DEVNAMES names = {};
  names.wDriverOffset = append(driver);
  names.wDeviceOffset = append(device);
  names.wOutputOffset = append(port);
  std::memcpy(block.data(), &names, sizeof names);
  return CopyToGlobal(block.data(), block.size());
}

}  // namespace

bool CPrinterSettings::EnsureDefaults() {
  if (!m_devMode.empty()) return true;
  // Every Windows of the family keeps the default printer as "name,driver,port".
  char device[512] = "";
  GetProfileStringA("windows", "device", "", device, sizeof device);
  std::string entry(device);
  const std::string name = TakeField(entry);
  const std::string driver = TakeField(entry);
  const std::string port = TakeField(entry);
  if (name.empty()) return false;
  CScopedPrinter printer(name);
  if (!printer.get()) return false;
  char* deviceName = const_cast<char*>(name.c_str());
  const LONG size = DocumentPropertiesA(nullptr, printer.get(), deviceName, nullptr, nullptr, 0);
  if (size < static_cast<LONG>(sizeof(DEVMODEA))) return false;
  std::vector<BYTE> devMode(static_cast<size_t>(size));
  if (DocumentPropertiesA(nullptr, printer.get(), deviceName,
                          reinterpret_cast<DEVMODEA*>(devMode.data()), nullptr,
                          DM_OUT_BUFFER) != IDOK)
    return false;
  m_printerName = name;
  m_driverName = driver;
  m_portName = port;
  m_devMode.swap(devMode);
  return true;
}

void CPrinterSettings::SetPrinterOrientation(bool landscape) {
  if (!EnsureDefaults()) return;
  DEVMODEA& mode = *reinterpret_cast<DEVMODEA*>(m_devMode.data());
  mode.dmOrientation = static_cast<short>(landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
  mode.dmFields |= DM_ORIENTATION;
}

HDC CPrinterSettings::CreatePrinterDC() {
  if (!EnsureDefaults()) return nullptr;
  return CreateDCA(nullptr, m_printerName.c_str(), nullptr,
                   reinterpret_cast<const DEVMODEA*>(m_devMode.data()));
}

bool CPrinterSettings::ResetForDuplex(HDC dc, bool shortEdge) {
  if (!EnsureDefaults()) return false;
  if (DeviceCapabilitiesA(m_printerName.c_str(), m_portName.c_str(), DC_DUPLEX, nullptr,
                          nullptr) != 1)
    return false;
  std::vector<BYTE> duplex(m_devMode);
  DEVMODEA& mode = *reinterpret_cast<DEVMODEA*>(duplex.data());
  mode.dmDuplex = static_cast<short>(shortEdge ? DMDUP_HORIZONTAL : DMDUP_VERTICAL);
  mode.dmFields |= DM_DUPLEX;
  return ResetDCA(dc, &mode) != nullptr;
}

bool CPrinterSettings::ReadPrintableArea(SIZE& millimetres) {
  CCreatedDC dc(CreatePrinterDC());
  if (!dc.get()) return false;
  millimetres.cx = GetDeviceCaps(dc.get(), HORZSIZE);
  millimetres.cy = GetDeviceCaps(dc.get(), VERTSIZE);
  return true;
}

void CPrinterSettings::FillDialogRequest(PRINTDLGA& request) {
  request.hDevMode = nullptr;
  request.hDevNames = nullptr;
  if (!EnsureDefaults()) return;
  request.hDevMode = CopyToGlobal(m_devMode.data(), m_devMode.size());
  request.hDevNames = MakeDevNames(m_driverName, m_printerName, m_portName);
}

void CPrinterSettings::StoreDialogChoice(const PRINTDLGA& request) {
  CGlobalLock modeLock(request.hDevMode);
  CGlobalLock namesLock(request.hDevNames);
  if (!modeLock.data() || !namesLock.data()) return;
  const auto* mode = reinterpret_cast<const DEVMODEA*>(modeLock.data());
  const size_t modeSize = static_cast<size_t>(mode->dmSize) + mode->dmDriverExtra;
  if (modeSize < sizeof(DEVMODEA) || modeSize > GlobalSize(request.hDevMode)) return;
  const char* names = reinterpret_cast<const char*>(namesLock.data());
  const auto* offsets = reinterpret_cast<const DEVNAMES*>(names);
  m_driverName = names + offsets->wDriverOffset;
  m_printerName = names + offsets->wDeviceOffset;
  m_portName = names + offsets->wOutputOffset;
  m_devMode.assign(modeLock.data(), modeLock.data() + modeSize);
}

CPrinterSettings& AppPrinterSettings() {
  static CPrinterSettings settings;
  return settings;
}
