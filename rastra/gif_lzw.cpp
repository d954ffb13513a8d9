#include "gif_lzw.h"

#include <algorithm>

namespace {

constexpr unsigned kMaxCodeBits = 12;
constexpr unsigned kCodeLimit = 1u << kMaxCodeBits;
constexpr std::size_t kHashSize = 8191;  // prime, about twice the number of codes
constexpr std::size_t kSubBlockSize = 255;

// Packs codes into bytes and the bytes into length-prefixed sub-blocks.
class CodeWriter {
 public:
  explicit CodeWriter(Bytes& out) : m_out(out) {}

  void Write(unsigned code, unsigned bits) {
    m_buffer |= std::uint32_t(code) << m_bitCount;
    m_bitCount += bits;
    while (m_bitCount >= 8) {
      PutByte(static_cast<std::uint8_t>(m_buffer));
      m_buffer >>= 8;
      m_bitCount -= 8;
    }
  }

  void Finish() {
    if (m_bitCount > 0) PutByte(static_cast<std::uint8_t>(m_buffer));
    FlushBlock();
    PutU8(m_out, 0);
  }

 private:
  void PutByte(std::uint8_t byte) {
    m_block[m_blockSize++] = byte;
    if (m_blockSize == kSubBlockSize) FlushBlock();
  }
  void FlushBlock() {
    if (m_blockSize == 0) return;
    PutU8(m_out, m_blockSize);
    PutBytes(m_out, m_block, m_blockSize);
    m_blockSize = 0;
  }

  Bytes& m_out;
  std::uint32_t m_buffer = 0;
  unsigned m_bitCount = 0;
  std::uint8_t m_block[kSubBlockSize];
  std::size_t m_blockSize = 0;
};

// The string table: (prefix code, next index) -> code, by open addressing.
class StringTable {
 public:
  StringTable() : m_keys(kHashSize), m_codes(kHashSize) { Clear(); }

  void Clear() { std::fill(m_keys.begin(), m_keys.end(), kEmpty); }

  int Find(std::uint32_t key) const {
    for (std::size_t slot = Slot(key);; slot = (slot + 1) % kHashSize) {
      if (m_keys[slot] == kEmpty) return -1;
      if (m_keys[slot] == key) return m_codes[slot];
    }
  }

  void Add(std::uint32_t key, unsigned code) {
    std::size_t slot = Slot(key);
    while (m_keys[slot] != kEmpty) slot = (slot + 1) % kHashSize;
    m_keys[slot] = key;
    m_codes[slot] = static_cast<std::uint16_t>(code);
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  static std::size_t Slot(std::uint32_t key) { return (key * 2654435761u) % kHashSize; }

  std::vector<std::uint32_t> m_keys;
  std::vector<std::uint16_t> m_codes;
};

}  // namespace

void AppendGifLzw(const std::vector<std::uint8_t>& indices, unsigned minCodeSize, Bytes& out) {
  PutU8(out, minCodeSize);
  CodeWriter writer(out);
  StringTable table;
  const unsigned clearCode = 1u << minCodeSize;
  const unsigned endCode = clearCode + 1;
  unsigned codeBits = minCodeSize + 1;
  unsigned nextCode = endCode + 1;

  writer.Write(clearCode, codeBits);
  if (!indices.empty()) {
    unsigned prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
      const std::uint32_t key = (std::uint32_t(prefix) << 8) | indices[i];
      const int found = table.Find(key);
      if (found >= 0) {
        prefix = static_cast<unsigned>(found);
        continue;
      }
      writer.Write(prefix, codeBits);
      if (nextCode < kCodeLimit) {
        table.Add(key, nextCode++);
        // The decoder widens its codes once its table, one entry behind ours, fills them.
        if (nextCode > (1u << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
      } else {
        writer.Write(clearCode, codeBits);
        table.Clear();
        codeBits = minCodeSize + 1;
        nextCode = endCode + 1;
      }
      prefix = indices[i];
    }
    writer.Write(prefix, codeBits);
  }
  writer.Write(endCode, codeBits);
  writer.Finish();
}
