#include "dbcs_text.h"

#include <algorithm>
#include <cstring>

void LeadByteSet::AddRange(unsigned char first, unsigned char last) {
  for (unsigned b = first; b <= last; ++b) m_lead[b] = true;
}

bool LeadByteSet::IsDoubleByte() const {
  return std::any_of(m_lead.begin(), m_lead.end(), [](bool lead) { return lead; });
}

std::size_t NextCharacter(const std::string& text, std::size_t at, const LeadByteSet& lead) {
  if (at >= text.size()) return text.size();
  const bool pair = lead.IsLead(text[at]) && at + 1 < text.size() && text[at + 1] != '\0';
  return at + (pair ? 2 : 1);
}

namespace {

bool IsOneOf(const std::string& text, std::size_t at, std::size_t next, const char* characters) {
  return next == at + 1 && text[at] != '\0' && std::strchr(characters, text[at]) != nullptr;
}

}  // namespace

std::size_t FindCharacter(const std::string& text, const char* characters,
                          const LeadByteSet& lead) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = NextCharacter(text, at, lead);
    if (IsOneOf(text, at, next, characters)) return at;
    at = next;
  }
  return std::string::npos;
}

std::size_t FindLastCharacter(const std::string& text, const char* characters,
                              const LeadByteSet& lead) {
  std::size_t found = std::string::npos;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = NextCharacter(text, at, lead);
    if (IsOneOf(text, at, next, characters)) found = at;
    at = next;
  }
  return found;
}

std::string CutAtCharacter(const std::string& text, std::size_t maxBytes, const LeadByteSet& lead) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = 0;
  for (;;) {
    const std::size_t next = NextCharacter(text, end, lead);
    if (next > maxBytes) return text.substr(0, end);
    end = next;
  }
}

std::size_t CountCharacters(const std::string& text, const LeadByteSet& lead) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at, lead)) ++count;
  return count;
}

std::string WithoutCutCharacter(const std::string& text, const LeadByteSet& lead) {
  std::size_t last = 0;
  for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at, lead)) last = at;
  const bool cut = !text.empty() && last + 1 == text.size() && lead.IsLead(text[last]);
  return cut ? text.substr(0, last) : text;
}

void CopyIntoBuffer(const std::string& text, char* buffer, std::size_t capacity,
                    const LeadByteSet& lead) {
  if (capacity == 0) return;
  const std::string cut = CutAtCharacter(text, capacity - 1, lead);
  std::memcpy(buffer, cut.data(), cut.size());
  buffer[cut.size()] = '\0';
}

std::string AsciiLowerText(const std::string& text, const LeadByteSet& lead) {
  std::string lowered = text;
  for (std::size_t at = 0; at < lowered.size();) {
    const std::size_t next = NextCharacter(lowered, at, lead);
    char& c = lowered[at];
    if (next == at + 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    at = next;
  }
  return lowered;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b, const LeadByteSet& lead) {
  return a.size() == b.size() && AsciiLowerText(a, lead) == AsciiLowerText(b, lead);
}

std::vector<std::string> SplitCharacters(const std::string& text, const LeadByteSet& lead) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = NextCharacter(text, at, lead);
    characters.push_back(text.substr(at, next - at));
    at = next;
  }
  return characters;
}
