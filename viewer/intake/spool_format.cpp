#include "spool_format.h"

#include <windows.h>

#include <cstring>

#include "scoped_handle.h"

namespace {

bool ReadExactly(HANDLE file, void* buffer, DWORD size) {
  DWORD read = 0;
  return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

bool ReadValue32(HANDLE file, std::uint32_t& value) {
  unsigned char bytes[4];
  if (!ReadExactly(file, bytes, sizeof bytes)) return false;
  value = ReadLittleEndian32(bytes);
  return true;
}

bool IsPageStart(const unsigned char* at, const PageSignature& signature) {
  return std::memcmp(at, signature, kPageSignatureLength) == 0 &&
         ReadLittleEndian32(at) == kEmrHeaderType &&
         ReadLittleEndian32(at + kEmfSignatureOffset) == kEnhMetaSignature;
}

}  // namespace

std::uint32_t ReadLittleEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool ReadSpoolSignature(const std::string& spoolPath, PageSignature& signature) {
  ScopedFileHandle file(CreateFileA(spoolPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;

  std::uint32_t version = 0;
  std::uint32_t headerSize = 0;
  if (!ReadValue32(file.get(), version) || version != kSpoolVersion) return false;
  if (!ReadValue32(file.get(), headerSize)) return false;

  // The high word makes the 32-bit header size an unsigned offset, not a signed one.
  LONG firstRecordHigh = 0;
  if (SetFilePointer(file.get(), static_cast<LONG>(headerSize), &firstRecordHigh, FILE_BEGIN) ==
          INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    return false;
  }

  std::uint32_t recordType = 0;
  std::uint32_t dataSize = 0;
  if (!ReadValue32(file.get(), recordType) || recordType != kPageMetafileRecord) return false;
  if (!ReadValue32(file.get(), dataSize) || dataSize == 0) return false;

  if (!ReadExactly(file.get(), signature, kPageSignatureLength)) return false;
  signature[kPageSignatureLength] = 0;
  return true;
}

std::vector<std::size_t> FindPageStarts(const unsigned char* data, std::size_t length,
                                        const PageSignature& signature) {
  std::vector<std::size_t> starts;
  if (length < kMinEmfHeaderBytes) return starts;
  // The last offset that still has a whole metafile header prefix after it.
  const std::size_t last = length - kMinEmfHeaderBytes;
  // memchr finds candidates for the first signature byte far faster than a byte loop;
  // each candidate is then held to the full rule. Offset 0 is never a page start.
  std::size_t i = 1;
  while (i <= last) {
    const void* hit = std::memchr(data + i, signature[0], last - i + 1);
    if (!hit) break;
    i = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data);
    if (IsPageStart(data + i, signature)) starts.push_back(i);
    ++i;
  }
  return starts;
}
