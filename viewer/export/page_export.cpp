#include "page_export.h"

#include <cstdio>
#include <cstring>

#include "ansi_code_page.h"
#include "app/app_names.h"
#include "export_texts.h"
#include "formatted_text.h"
#include "image_writer.h"
#include "message_box.h"
#include "rastra/rastra.h"
#include "replace_file.h"
#include "render_page.h"
#include "temp_bmp_name.h"

namespace {

enum class TargetKind { CopiedMetafile, Bitmap, ImageWriter };

TargetKind KindOf(const std::string& extension) {
  if (_stricmp(extension.c_str(), kEmfExtension) == 0) return TargetKind::CopiedMetafile;
  if (_stricmp(extension.c_str(), kBmpExtension) == 0) return TargetKind::Bitmap;
  return TargetKind::ImageWriter;
}

// The image writer's result for the page; a page that could not be rendered fails the
// same way as one the writer refused.
int WriteThroughImageWriter(const std::string& pageFile, const std::string& temporary,
                            const std::string& target) {
  if (RenderPage(pageFile.c_str(), temporary.c_str()) != PageRenderResult::Written)
    return RASTRA_ERROR_SOURCE_UNREADABLE;
  const int result = WriteImageFile(temporary.c_str(), target.c_str());
  DeleteFileA(temporary.c_str());
  return result;
}

// Copies or renders the page under a temporary name beside the target and only then
// renames it over the target: a failure leaves no partial image and any earlier file of
// the target's name as it was.
bool WriteBesideAndReplace(TargetKind kind, const std::string& pageFile, const std::string& target) {
  TemporaryFile temporary(target);
  if (!temporary.made()) return false;
  const bool written =
      kind == TargetKind::CopiedMetafile
          ? CopyFileA(pageFile.c_str(), temporary.path(), FALSE) != FALSE
          : RenderPage(pageFile.c_str(), temporary.path()) == PageRenderResult::Written;
  return written && temporary.MoveOver();
}

}  // namespace

std::string ExportTargetName(const PathParts& chosen, int pageIndex) {
  return chosen.drive + chosen.directory + chosen.baseName + FormatText(kPageNumberFormat, pageIndex) +
         chosen.extension;
}

ExportSummary ExportPages(const PathList& pageFiles, const std::string& chosenPath,
                          const ExportProgress& progress) {
  const PathParts chosen = SplitPath(chosenPath, AnsiLeadBytes());
  const TargetKind kind = KindOf(chosen.extension);
  ExportSummary summary;
  summary.pageCount = static_cast<int>(pageFiles.size());
  for (int i = 0; i < summary.pageCount; ++i) {
    if (progress) progress(i + 1, summary.pageCount);
    const std::string& pageFile = pageFiles[i];
    const std::string target = ExportTargetName(chosen, i);
    bool written = false;
    switch (kind) {
      case TargetKind::CopiedMetafile:
      case TargetKind::Bitmap:
        written = WriteBesideAndReplace(kind, pageFile, target);
        break;
      case TargetKind::ImageWriter: {
        std::string temporary;
        // Without temporary names no later page can be written either.
        if (!MakeTempBmpName(temporary)) {
          summary.failedPages += summary.pageCount - i;
          return summary;
        }
        const int result = WriteThroughImageWriter(pageFile, temporary, target);
        // Without the library no later page can be written either.
        if (result == kImageWriterMissing) {
          summary.writerMissing = true;
          summary.failedPages += summary.pageCount - i;
          return summary;
        }
        written = ImageWriterSucceeded(result);
        break;
      }
    }
    if (!written) ++summary.failedPages;
  }
  return summary;
}

std::string SavingPageText(int page, int pageCount) {
  return FormatText(kSavingPageFormat, page, pageCount);
}

void ReportUnsavedPages(HWND owner, const ExportSummary& summary) {
  if (summary.failedPages == 0) return;
  std::string text = FormatText(kPagesNotSavedFormat, summary.failedPages, summary.pageCount);
  if (summary.writerMissing) {
    text += FormatText(kImageWriterMissingFormat, ImageWriterLibraryPath().c_str());
  }
  ShowMessageBox(owner, text.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
}

void SaveJobAsImages(HWND owner, const CAppProfile& profile, const PathList& pageFiles,
                     const ExportProgress& progress) {
  const std::string chosenPath = AskSaveImageName(owner, profile);
  if (chosenPath.empty()) return;
  ReportUnsavedPages(owner, ExportPages(pageFiles, chosenPath, progress));
}
