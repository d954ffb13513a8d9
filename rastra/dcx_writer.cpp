#include "image_writers.h"

#include "rastra_result.h"

namespace {

constexpr std::uint32_t kDcxSignature = 987654321;
constexpr std::size_t kPageTableEntries = 1024;  // page offsets, the list ending at a 0

}  // namespace

// A multi-page container holding the image as its one PCX page.
long WriteDcx(const Image& image, Bytes& out) {
  Bytes page;
  const long result = WritePcx(image, page);
  if (result != RASTRA_OK) return result;
  PutU32LE(out, kDcxSignature);
  const std::size_t firstPage = 4 + 4 * kPageTableEntries;
  PutU32LE(out, static_cast<std::uint32_t>(firstPage));
  PutZeros(out, 4 * (kPageTableEntries - 1));
  PutBytes(out, page);
  return RASTRA_OK;
}
