#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "port_list.h"
#include "port_records.h"

namespace {

TEST(PortList, NamesMatchWithoutRegardToTheCaseOfLetters) {
  PortList ports({u"Quillor1:", u"Other:"});
  EXPECT_TRUE(ports.Contains(u"QUILLOR1:"));
  EXPECT_TRUE(ports.Contains(u"other:"));
  EXPECT_FALSE(ports.Contains(u"Quillor1"));
  EXPECT_FALSE(ports.Add(u"quillor1:"));
  EXPECT_TRUE(ports.Remove(u"QUILLOR1:"));
  EXPECT_FALSE(ports.Remove(u"Quillor1:"));
  EXPECT_EQ(ports.names(), std::vector<std::u16string>{u"Other:"});
  // Only A-Z fold: other letters keep their case.
  PortList accented({u"\u00e9:"});
  EXPECT_FALSE(accented.Contains(u"\u00c9:"));
}

TEST(PortList, KeysThatCannotBePortsAreLeftOutOnce) {
  const PortList ports({u"", u"A\\B", u"Quillor1:", u"QUILLOR1:"});
  EXPECT_EQ(ports.names(), std::vector<std::u16string>{u"Quillor1:"});
  EXPECT_EQ(PortKeyPath(kQuillorPortName), u"Ports\\Quillor1:");
}

template <typename Char>
std::basic_string<Char> Text(const char* ascii) {
  return std::basic_string<Char>(ascii, ascii + std::strlen(ascii));
}

template <typename Char>
PortTexts<Char> SampleTexts(std::size_t ports) {
  PortTexts<Char> texts;
  for (std::size_t i = 0; i < ports; ++i) texts.names.push_back(Text<Char>(i % 2 ? "LongerPortName2:" : "Q1:"));
  texts.monitorName = Text<Char>("Quillor");
  texts.description = Text<Char>("a port");
  return texts;
}

// Every buffer size up to the one needed and beyond: nothing is written until the whole list
// fits, and then every record and string lies inside the buffer and reads back.
template <typename Char>
void CheckEveryBufferSize(int level) {
  for (std::size_t ports = 0; ports <= 3; ++ports) {
    const PortTexts<Char> texts = SampleTexts<Char>(ports);
    const std::size_t needed = PackPortRecords<Char>(level, texts, nullptr, 0).needed;
    for (std::size_t size = 0; size <= needed + 8; ++size) {
      SCOPED_TRACE("level " + std::to_string(level) + ", " + std::to_string(ports) + " ports, " +
                   std::to_string(size) + " bytes");
      alignas(void*) std::uint8_t buffer[512];
      ASSERT_LE(size, sizeof buffer);
      std::memset(buffer, 0xAB, sizeof buffer);
      const PackedPorts packed = PackPortRecords<Char>(level, texts, buffer, size);
      EXPECT_EQ(packed.needed, needed);
      if (size < needed) {
        EXPECT_FALSE(packed.fits);
        EXPECT_EQ(packed.count, 0u);
        for (std::uint8_t byte : buffer) ASSERT_EQ(byte, 0xAB);
        continue;
      }
      ASSERT_TRUE(packed.fits);
      ASSERT_EQ(packed.count, ports);
      for (std::size_t i = needed; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0xAB);
      const auto inside = [&](const Char* text) {
        const auto* at = reinterpret_cast<const std::uint8_t*>(text);
        return at >= buffer && at < buffer + needed;
      };
      for (std::size_t i = 0; i < ports; ++i) {
        if (level == 1) {
          const auto* records = reinterpret_cast<const PortRecord1<Char>*>(buffer);
          ASSERT_TRUE(inside(records[i].name));
          EXPECT_EQ(std::basic_string<Char>(records[i].name), texts.names[i]);
        } else {
          const auto* records = reinterpret_cast<const PortRecord2<Char>*>(buffer);
          ASSERT_TRUE(inside(records[i].portName) && inside(records[i].monitorName) && inside(records[i].description));
          EXPECT_EQ(std::basic_string<Char>(records[i].portName), texts.names[i]);
          EXPECT_EQ(std::basic_string<Char>(records[i].monitorName), texts.monitorName);
          EXPECT_EQ(std::basic_string<Char>(records[i].description), texts.description);
          EXPECT_EQ(records[i].portType, kPortTypeWrite);
          EXPECT_EQ(records[i].reserved, 0u);
        }
      }
    }
  }
}

TEST(PortRecords, AListIsWrittenWholeOrNotAtAllWhateverTheBufferSize) {
  for (int level : {1, 2}) {
    CheckEveryBufferSize<char>(level);
    CheckEveryBufferSize<char16_t>(level);
  }
  EXPECT_FALSE(IsPortRecordLevel(0));
  EXPECT_FALSE(IsPortRecordLevel(3));
}

}  // namespace
