#include "ansi_code_page.h"

#include <windows.h>

namespace {

LeadByteSet AskedLeadBytes() {
  LeadByteSet lead;
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    if (IsDBCSLeadByte(byte)) lead.AddRange(byte, byte);
  }
  return lead;
}

}  // namespace

const LeadByteSet& AnsiLeadBytes() {
  static const LeadByteSet lead = AskedLeadBytes();
  return lead;
}
