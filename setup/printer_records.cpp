#include "printer_records.h"

#include "ansi_code_page.h"
#include "dbcs_text.h"
#include "path_parts.h"
#include "setup_texts.h"

namespace {

// The size Windows 2000 and later give the public part of DEVMODEA.
static_assert(sizeof(DEVMODEA) == 156, "DEVMODEA must have its 156 public bytes");

constexpr WORD kDevModeSpecVersion = 0x401;
constexpr WORD kDevModeDriverVersion = 0x502;
constexpr short kA4LengthTenthsMm = 2970;
constexpr short kA4WidthTenthsMm = 2100;
constexpr short kResolutionDpi = 600;
constexpr DWORD kPrinterPriority = 1;

// Paper length and width are filled but not declared: paper size and form name say A4.
constexpr DWORD kDevModeFields = DM_ORIENTATION | DM_PAPERSIZE | DM_SCALE | DM_NUP | DM_COPIES |
                                 DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX |
                                 DM_YRESOLUTION | DM_TTOPTION | DM_COLLATE | DM_FORMNAME |
                                 DM_MEDIATYPE;

void CopyName(BYTE* target, std::size_t capacity, const char* name) {
  CopyIntoBuffer(name, reinterpret_cast<char*>(target), capacity, AnsiLeadBytes());
}

}  // namespace

DEVMODEA DefaultDevMode() {
  DEVMODEA mode = {};
  CopyName(mode.dmDeviceName, sizeof(mode.dmDeviceName), kPrinterName);
  mode.dmSpecVersion = kDevModeSpecVersion;
  mode.dmDriverVersion = kDevModeDriverVersion;
  mode.dmSize = sizeof(DEVMODEA);
  mode.dmDriverExtra = 0;
  mode.dmFields = kDevModeFields;
  mode.dmOrientation = DMORIENT_PORTRAIT;
  mode.dmPaperSize = DMPAPER_A4;
  mode.dmPaperLength = kA4LengthTenthsMm;
  mode.dmPaperWidth = kA4WidthTenthsMm;
  mode.dmScale = 100;
  mode.dmCopies = 1;
  mode.dmDefaultSource = DMBIN_FORMSOURCE;
  mode.dmPrintQuality = kResolutionDpi;
  mode.dmColor = DMCOLOR_MONOCHROME;
  mode.dmDuplex = DMDUP_SIMPLEX;
  mode.dmYResolution = kResolutionDpi;
  mode.dmTTOption = DMTT_SUBDEV;
  mode.dmCollate = DMCOLLATE_TRUE;
  CopyName(mode.dmFormName, sizeof(mode.dmFormName), kFormName);
  mode.dmNup = DMNUP_SYSTEM;
  mode.dmICMMethod = DMICMMETHOD_NONE;
  mode.dmICMIntent = DMICM_CONTRAST;
  mode.dmMediaType = DMMEDIA_USER;
  return mode;
}

DriverRecord::DriverRecord(const FileSet& files, bool isNt, const std::string& driverDirectory)
    : m_name(kPrinterName),
      m_environment(EnvironmentFor(isNt)),
      m_driverPath(WithTrailingBackslash(driverDirectory, AnsiLeadBytes()) + files.driverFile),
      m_dataFile(WithTrailingBackslash(driverDirectory, AnsiLeadBytes()) + files.dataFile),
      m_configFile(WithTrailingBackslash(driverDirectory, AnsiLeadBytes()) + files.configFile),
      m_info() {
  m_info.cVersion = files.driverVersion;
  m_info.pName = m_name.data();
  m_info.pEnvironment = m_environment.data();
  m_info.pDriverPath = m_driverPath.data();
  m_info.pDataFile = m_dataFile.data();
  m_info.pConfigFile = m_configFile.data();
}

PrinterRecord::PrinterRecord(bool isNt)
    : m_printerName(kPrinterName),
      m_portName(kPortName),
      m_driverName(kPrinterName),
      m_comment(kPrinterComment),
      m_printProcessor(isNt ? kPrintProcessorName : k9xPrintProcessorName),
      m_datatype(isNt ? kNtDatatype : k9xDatatype),
      m_devMode(DefaultDevMode()),
      m_info() {
  m_info.pPrinterName = m_printerName.data();
  m_info.pShareName = m_empty.data();
  m_info.pPortName = m_portName.data();
  m_info.pDriverName = m_driverName.data();
  m_info.pComment = m_comment.data();
  m_info.pLocation = m_empty.data();
  m_info.pDevMode = &m_devMode;
  m_info.pSepFile = m_empty.data();
  m_info.pPrintProcessor = m_printProcessor.data();
  m_info.pDatatype = m_datatype.data();
  m_info.pParameters = m_empty.data();
  m_info.Attributes = PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_DO_COMPLETE_FIRST;
  m_info.Priority = kPrinterPriority;
}
