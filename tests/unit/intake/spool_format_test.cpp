#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "spool_format.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A spool header of `headerSize` bytes naming `name` (UTF-16, its 0 after it) at `offset`,
// followed by a page record's first bytes.
Bytes Header(const std::u16string& name, std::uint32_t offset, std::uint32_t headerSize) {
  Bytes bytes(headerSize + 8, 0);
  Put32(bytes, 0, kSpoolVersion);
  Put32(bytes, 4, headerSize);
  Put32(bytes, 8, offset);
  for (std::size_t i = 0; i < name.size() && offset + 2 * i + 1 < bytes.size(); ++i) {
    bytes[offset + 2 * i] = static_cast<unsigned char>(name[i]);
    bytes[offset + 2 * i + 1] = static_cast<unsigned char>(name[i] >> 8);
  }
  Put32(bytes, headerSize, kPageMetafileRecord);
  return bytes;
}

TEST(SpoolDocumentName, IsReadFromTheHeaderAndNeverFromBeyondIt) {
  const std::u16string name = u"Untitled - \u30E1\u30E2\u5E33 \U0001F5A8";
  const std::uint32_t size = 16 + 2 * static_cast<std::uint32_t>(name.size()) + 2;
  Bytes header = Header(name, 16, size);
  EXPECT_EQ(SpoolDocumentName(header.data(), header.size()), name);
  // The output name's offset may stand before it; what follows the 0 is not the name's.
  header = Header(name, 20, size + 4);
  EXPECT_EQ(SpoolDocumentName(header.data(), header.size()), name);

  // Every cut of the file: a name is read whole or not at all.
  const Bytes whole = Header(name, 16, size);
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    SCOPED_TRACE(length);
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    const std::u16string read = SpoolDocumentName(cut.data(), cut.size());
    EXPECT_TRUE(read.empty() || read == name);
    EXPECT_EQ(read == name, length >= size);
  }

  struct Case {
    const char* what;
    Bytes bytes;
  };
  Bytes otherVersion = Header(name, 16, size);
  Put32(otherVersion, 0, 0x00010001);
  for (const Case& refused : {Case{"no name", Header(u"", 0, 24)},
                              Case{"an empty name", Header(u"", 16, 24)},
                              Case{"inside the header's fields", Header(name, 12, size)},
                              Case{"past the header", Header(name, size, size)},
                              Case{"past the file", Header(name, 0xFFFFFFF0u, size)},
                              Case{"no 0 before the header ends", Header(name, 16, size - 2)},
                              Case{"another version", otherVersion}}) {
    EXPECT_EQ(SpoolDocumentName(refused.bytes.data(), refused.bytes.size()), u"") << refused.what;
  }
}

}  // namespace
