// The fuzz target's seeds, small metafiles of every record family and real pages, make
// PDFs that qpdf accepts, with balanced groups, fonts embedded as subsets and the text
// they were drawn with.
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "font_files.h"
#include "pdf_check.h"

namespace {

std::vector<std::string> Seeds() {
  std::vector<std::string> names;
  if (DIR* folder = opendir(EMF_PDF_CORPUS)) {
    while (dirent* entry = readdir(folder))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(EmfPdfCorpus, EverySeedMakesASoundPdf) {
  FileFontResolver fonts;
  const std::vector<std::string> seeds = Seeds();
  ASSERT_GE(seeds.size(), 10u);
  for (const std::string& name : seeds) {
    SCOPED_TRACE(name);
    std::ifstream file(std::string(EMF_PDF_CORPUS) + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> emf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    GreyPictures pictures;
    const std::string pdf = PdfOfPage(emf, fonts, pictures, 300);
    ASSERT_FALSE(pdf.empty());
    EXPECT_TRUE(Balanced(PageContent(pdf)));
    EXPECT_EQ(QpdfCheck(pdf), 0);
  }
}

TEST(EmfPdfCorpus, TextIsTextInAnEmbeddedSubset) {
  FileFontResolver fonts;
  std::ifstream file(std::string(EMF_PDF_CORPUS) + "/text.emf", std::ios::binary);
  const std::vector<std::uint8_t> emf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf, fonts, pictures, 300);
  const std::string path = "/tmp/emf_pdf_text_test.pdf";
  std::ofstream(path, std::ios::binary) << pdf;
  const std::string text = RunCommand("pdftotext " + path + " -");
  const std::string list = RunCommand("pdffonts " + path);
  std::remove(path.c_str());
  EXPECT_NE(text.find("Hello"), std::string::npos) << text;
  EXPECT_NE(text.find("A\xE2\x82\xAC\xC3\xA9"), std::string::npos) << text;  // 41 80 E9 in Windows-1252
  EXPECT_NE(list.find("CID TrueType"), std::string::npos) << list;
  EXPECT_NE(list.find("+"), std::string::npos) << list;  // a subset's tagged name
  EXPECT_TRUE(pictures.calls.empty());
}

}  // namespace
