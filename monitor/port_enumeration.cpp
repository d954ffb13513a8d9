#include "port_enumeration.h"

#include <string>

#include <winspool.h>

#include "ansi_text.h"
#include "port_records.h"
#include "setup_texts.h"

namespace {

static_assert(sizeof(PortRecord1<char>) == sizeof(PORT_INFO_1A), "level 1 as the 9x spooler reads it");
static_assert(sizeof(PortRecord2<char>) == sizeof(PORT_INFO_2A), "level 2 as the 9x spooler reads it");
static_assert(sizeof(PortRecord1<char16_t>) == sizeof(PORT_INFO_1W), "level 1 as the NT spooler reads it");
static_assert(sizeof(PortRecord2<char16_t>) == sizeof(PORT_INFO_2W), "level 2 as the NT spooler reads it");
static_assert(offsetof(PortRecord2<char16_t>, portType) == offsetof(PORT_INFO_2W, fPortType), "port type");

constexpr char16_t kMonitorNameWide[] = u"" QUILLOR_MONITOR_NAME;
constexpr char16_t kPortDescription[] = u"Quillor virtual printer port";

std::u16string Same(const std::u16string& text) { return text; }

template <typename Char>
BOOL EnumPortsAs(PortMonitor& monitor, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned,
                 std::basic_string<Char> (*convert)(const std::u16string&)) {
  if (needed == nullptr || returned == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *needed = 0;
  *returned = 0;
  if (!IsPortRecordLevel(static_cast<int>(level))) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  PortTexts<Char> texts;
  for (const std::u16string& name : monitor.Ports()) texts.names.push_back(convert(name));
  texts.monitorName = convert(kMonitorNameWide);
  texts.description = convert(kPortDescription);
  const PackedPorts packed = PackPortRecords(static_cast<int>(level), texts, buffer, size);
  *needed = static_cast<DWORD>(packed.needed);
  if (!packed.fits) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  *returned = static_cast<DWORD>(packed.count);
  return TRUE;
}

}  // namespace

BOOL EnumPortsWide(PortMonitor& monitor, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
  return EnumPortsAs<char16_t>(monitor, level, buffer, size, needed, returned, Same);
}

BOOL EnumPortsAnsi(PortMonitor& monitor, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
  return EnumPortsAs<char>(monitor, level, buffer, size, needed, returned, ToAnsi);
}
