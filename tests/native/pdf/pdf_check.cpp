#include "pdf_check.h"

#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string TempPath(const char* suffix) {
  static int serial = 0;
  return "/tmp/emf_pdf_test_" + std::to_string(getpid()) + "_" + std::to_string(serial++) + suffix;
}

std::string Inflate(const std::string& data) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return "";
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  std::string out;
  char buffer[16384];
  int result = Z_OK;
  while (result == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    result = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - stream.avail_out);
  }
  inflateEnd(&stream);
  return result == Z_STREAM_END ? out : "";
}

// Each stream's data, inflated where it is compressed.
std::vector<std::string> Streams(const std::string& pdf) {
  std::vector<std::string> streams;
  std::size_t at = 0;
  while ((at = pdf.find("stream\n", at)) != std::string::npos) {
    const std::size_t start = at + 7;
    const std::size_t end = pdf.find("\nendstream", start);
    if (end == std::string::npos) break;
    const std::string data = pdf.substr(start, end - start);
    const std::size_t dictionary = pdf.rfind("obj", at);
    const bool flate = pdf.substr(dictionary, at - dictionary).find("/FlateDecode") != std::string::npos;
    streams.push_back(flate ? Inflate(data) : data);
    at = end + 10;
  }
  return streams;
}

}  // namespace

bool GreyPictures::Draw(std::size_t lastRecord, const FrameArea& area, std::uint32_t width, std::uint32_t height,
                        Image& image) {
  calls.push_back({lastRecord, area, width, height});
  if (fails) return false;
  image.width = width;
  image.height = height;
  image.rgb.assign(std::size_t(width) * height * 3, 100);
  return true;
}

std::string PdfOfPage(const std::vector<std::uint8_t>& emf, FontResolver& fonts, PictureSource& pictures,
                      double size, const PdfPictureChoices& choices) {
  PdfSheetsWriter writer(fonts, choices);
  Bytes pdf = writer.Header();
  Bytes page;
  if (!writer.Page(emf.data(), emf.size(), size, size, pictures, page)) return "";
  pdf.insert(pdf.end(), page.begin(), page.end());
  const Bytes tail = writer.Finish(u"Sheets", "D:20260101000000");
  pdf.insert(pdf.end(), tail.begin(), tail.end());
  return std::string(pdf.begin(), pdf.end());
}

std::string InflatedStreams(const std::string& pdf) {
  std::string all;
  for (const std::string& stream : Streams(pdf)) all += stream + "\n";
  return all;
}

std::string PageContent(const std::string& pdf) {
  for (const std::string& stream : Streams(pdf))
    if (stream.compare(0, 2, "q\n") == 0) return stream;
  return "";
}

bool Balanced(const std::string& content) {
  std::istringstream tokens(content);
  std::string token;
  int depth = 0;
  while (tokens >> token) {
    if (token == "q") ++depth;
    if (token == "Q" && --depth < 0) return false;
  }
  return depth == 0;
}

std::string RunCommand(const std::string& command, int* status) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  std::size_t read;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
  const int result = pclose(pipe);
  if (status) *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return output;
}

int QpdfCheck(const std::string& pdf) {
  const std::string path = TempPath(".pdf");
  std::ofstream(path, std::ios::binary) << pdf;
  int status = -1;
  RunCommand("qpdf --check " + path + " >/dev/null 2>&1", &status);
  std::remove(path.c_str());
  return status;
}

int GreyRender::InkIn(int x0, int y0, int x1, int y1) const {
  int ink = 0;
  for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(width, x1); ++x) ink += At(x, y) < 128;
  return ink;
}

GreyRender Render(const std::string& pdf, int dpi) {
  const std::string path = TempPath(".pdf");
  const std::string image = TempPath("");
  std::ofstream(path, std::ios::binary) << pdf;
  RunCommand("pdftoppm -r " + std::to_string(dpi) + " -gray -singlefile " + path + " " + image + " 2>/dev/null");
  GreyRender render;
  std::ifstream in(image + ".pgm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  in >> magic >> render.width >> render.height >> maximum;
  in.get();
  render.pixels.resize(static_cast<std::size_t>(render.width) * render.height);
  in.read(reinterpret_cast<char*>(render.pixels.data()), static_cast<std::streamsize>(render.pixels.size()));
  std::remove(path.c_str());
  std::remove((image + ".pgm").c_str());
  if (!in || magic != "P5") render = GreyRender();
  return render;
}
