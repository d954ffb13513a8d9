#include "ansi_code_page.h"

#include <windows.h>

namespace {

LeadByteSet AskedLeadBytes() {
  LeadByteSet lead;
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    if (IsDBCSLeadByte(static_cast<BYTE>(b))) lead.AddRange(static_cast<unsigned char>(b), static_cast<unsigned char>(b));
  }
  return lead;
}

}  // namespace

const LeadByteSet& AnsiLeadBytes() {
  static const LeadByteSet lead = AskedLeadBytes();
  return lead;
}
