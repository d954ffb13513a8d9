#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Which bytes of a code page begin a two-byte character. In the double-byte code pages
// (932, 936, 949, 950) the byte after a lead byte may equal '\', '|' or a letter, so a
// text is only scanned or cut character by character.
class LeadByteSet {
 public:
  // A single-byte code page: no lead bytes.
  LeadByteSet() = default;

  // Bytes first to last, inclusive, begin two-byte characters.
  void AddRange(unsigned char first, unsigned char last);
  bool IsLead(char c) const { return m_lead[static_cast<unsigned char>(c)]; }
  bool IsDoubleByte() const;
  bool operator==(const LeadByteSet& other) const { return m_lead == other.m_lead; }

 private:
  std::array<bool, 256> m_lead{};
};

// The offset after the character at `at`. A lead byte at the end of the text, or before a
// NUL, stands alone, as the platform's CharNextA has it.
std::size_t NextCharacter(const std::string& text, std::size_t at, const LeadByteSet& lead);

// The offset of the first character that is one of the single-byte `characters`; npos when
// none stands as a character of its own.
std::size_t FindCharacter(const std::string& text, const char* characters,
                          const LeadByteSet& lead);

// The offset of the last character that is one of the single-byte `characters`; npos when
// none stands as a character of its own.
std::size_t FindLastCharacter(const std::string& text, const char* characters,
                              const LeadByteSet& lead);

// The first `maxBytes` bytes of the text or fewer, never ending in half a character.
std::string CutAtCharacter(const std::string& text, std::size_t maxBytes, const LeadByteSet& lead);

// The number of characters of the text, a lead byte standing alone counting as one.
std::size_t CountCharacters(const std::string& text, const LeadByteSet& lead);

// The text without a last lead byte that stands alone: what is left of a character whose
// trail the platform cut off (the 9x family cuts a value read into a fixed buffer by bytes).
std::string WithoutCutCharacter(const std::string& text, const LeadByteSet& lead);

// Copies the text into a buffer of `capacity` bytes (its terminating NUL included), cut at
// a character boundary; an empty string when capacity is 0.
void CopyIntoBuffer(const std::string& text, char* buffer, std::size_t capacity,
                    const LeadByteSet& lead);

// A to Z lowered where they stand as characters of their own; trail bytes stay as they are.
std::string AsciiLowerText(const std::string& text, const LeadByteSet& lead);

// The text cut into its characters, one or two bytes each.
std::vector<std::string> SplitCharacters(const std::string& text, const LeadByteSet& lead);

// Equal when equal after AsciiLowerText: for names of our own, which are ASCII, compared
// the way the platform's profile and file functions compare them.
bool SameIgnoringAsciiCase(const std::string& a, const std::string& b, const LeadByteSet& lead);
