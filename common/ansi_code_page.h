#pragma once

#include "dbcs_text.h"

// The lead bytes of the ANSI code page in force, as the platform's IsDBCSLeadByte tells
// them; asked once, since a process keeps its code page.
const LeadByteSet& AnsiLeadBytes();
