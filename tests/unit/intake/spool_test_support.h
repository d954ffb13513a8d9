#pragma once

#include <string>
#include <vector>

#include "file_bytes.h"

// The metafile offsets of a spool file found by walking its record chain, a reading
// independent of the extraction's byte scan.
std::vector<std::size_t> PageRecordOffsets(const Bytes& spool);

// The bytes a page file must hold: from its start to the next start or the end.
Bytes ExpectedPage(const Bytes& spool, const std::vector<std::size_t>& starts, std::size_t k);

// A real spool file from the shared fixtures.
std::string RealFixture(const std::string& name);
