#include "spool_writer.h"

#include <windows.h>

#include "emf_pages.h"

namespace {

constexpr std::uint32_t kSpoolVersionField = 0x00010000;
constexpr std::uint32_t kHeaderFixedBytes = 16;

void AppendUtf16(Bytes& bytes, const std::string& text) {
  for (char c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(0);
  }
  bytes.push_back(0);
  bytes.push_back(0);
}

Bytes SpoolHeader(const std::string& documentName) {
  Bytes header;
  AppendU32(header, kSpoolVersionField);
  AppendU32(header, 0);  // size, set below
  AppendU32(header, kHeaderFixedBytes);  // document name offset
  AppendU32(header, 0);  // no output name
  AppendUtf16(header, documentName);
  while (header.size() % 4) header.push_back(0);
  PutU32(header, 4, static_cast<std::uint32_t>(header.size()));
  return header;
}

Bytes DevModeData() {
  DEVMODEW mode = {};
  mode.dmSpecVersion = DM_SPECVERSION;
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE;
  mode.dmOrientation = DMORIENT_PORTRAIT;
  mode.dmPaperSize = DMPAPER_A4;
  const auto* raw = reinterpret_cast<const std::uint8_t*>(&mode);
  return Bytes(raw, raw + sizeof mode);
}

Bytes OffsetBack(std::size_t distance) {
  Bytes data;
  AppendU32(data, static_cast<std::uint32_t>(distance));
  AppendU32(data, 0);
  return data;
}

}  // namespace

void AppendRecord(Bytes& spool, std::uint32_t type, const Bytes& data) {
  AppendU32(spool, type);
  AppendU32(spool, static_cast<std::uint32_t>(data.size()));
  spool.insert(spool.end(), data.begin(), data.end());
}

Bytes BuildSpoolFile(const SpoolJob& job) {
  Bytes spool = SpoolHeader(job.documentName);
  for (std::size_t i = 0; i < job.pages.size(); ++i) {
    const std::size_t pageRecord = spool.size();
    AppendRecord(spool, kSpoolPageRecord, job.pages[i]);
    if (i == 0 && job.withDevMode) AppendRecord(spool, kSpoolDevModeRecord, DevModeData());
    AppendRecord(spool, kSpoolPageOffsetRecord, OffsetBack(spool.size() - pageRecord));
  }
  return spool;
}

std::vector<std::size_t> PageOffsets(const SpoolJob& job) {
  std::vector<std::size_t> offsets;
  std::size_t at = SpoolHeader(job.documentName).size();
  for (std::size_t i = 0; i < job.pages.size(); ++i) {
    offsets.push_back(at + 8);
    at += 8 + job.pages[i].size();
    if (i == 0 && job.withDevMode) at += 8 + DevModeData().size();
    at += 8 + 8;
  }
  return offsets;
}

SpoolJob MakeDrawnJob(int count, const std::string& documentName, int textLines, bool rising) {
  SpoolJob job;
  job.documentName = documentName;
  for (int i = 1; i <= count; ++i) {
    PageDrawing drawing;
    drawing.label = "Page " + std::to_string(i);
    drawing.textLines = rising ? textLines * i : textLines;
    job.pages.push_back(DrawEmfPage(drawing));
  }
  return job;
}
