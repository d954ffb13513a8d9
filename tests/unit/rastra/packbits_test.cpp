#include "packbits.h"

#include <gtest/gtest.h>

namespace {

Bytes Unpack(const Bytes& packed) {
  Bytes out;
  for (std::size_t i = 0; i < packed.size();) {
    const int header = static_cast<std::int8_t>(packed[i++]);
    if (header >= 0) {
      out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(i),
                 packed.begin() + static_cast<std::ptrdiff_t>(i) + header + 1);
      i += static_cast<std::size_t>(header) + 1;
    } else if (header != -128) {
      out.insert(out.end(), static_cast<std::size_t>(1 - header), packed[i++]);
    }
  }
  return out;
}

Bytes Pack(const Bytes& data) {
  Bytes packed;
  AppendPackBits(data.data(), data.size(), packed);
  return packed;
}

}  // namespace

TEST(RastraPackBits, RoundTripsRunsLiteralsAndLimits) {
  std::vector<Bytes> inputs = {{}, {7}, {1, 2}, {5, 5}, {5, 5, 5}, Bytes(128, 9), Bytes(129, 9), Bytes(1000, 0)};
  Bytes mixed;
  for (int i = 0; i < 700; ++i) mixed.push_back(static_cast<std::uint8_t>(i % 3 == 0 ? 200 : i * 37));
  inputs.push_back(mixed);
  Bytes literals;
  for (int i = 0; i < 300; ++i) literals.push_back(static_cast<std::uint8_t>(i));
  inputs.push_back(literals);
  for (const Bytes& input : inputs) EXPECT_EQ(Unpack(Pack(input)), input) << "size " << input.size();
}

TEST(RastraPackBits, CompressesRunsAndStaysNearTheInputSizeOnNoise) {
  EXPECT_EQ(Pack(Bytes(1000, 0)).size(), 16u);  // eight packets of 128 (two bytes each)
  Bytes literals;
  for (int i = 0; i < 256; ++i) literals.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(Pack(literals).size(), 258u);  // two literal packets of 128
}
