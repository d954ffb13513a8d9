#pragma once

#include <string>

#include "dbcs_text.h"

// True when the whole of `name` matches `pattern`: '*' stands for any run of characters,
// '?' for exactly one, letters A to Z match in either case; characters are those of the
// code page `lead` describes. Unlike the platform's file search,
// nothing else matches: not a longer extension ("keep.splash" for "*.spl") and not a
// short 8.3 alias of the name, so a sweep deletes only files that are really ours.
bool NameMatchesPattern(const std::string& name, const std::string& pattern, const LeadByteSet& lead);
