#include "save_sheets_dialog.h"

#include "data_exchange.h"
#include "export_texts.h"
#include "resource.h"
#include "sheet_export.h"
#include "sheet_export_texts.h"

namespace {

constexpr int kResolutionCount = sizeof kSheetResolutions / sizeof kSheetResolutions[0];

// A remembered button index, or the default when the profile holds none of the group's.
int RememberedIndex(const CAppProfile& profile, const char* key, int defaultIndex, int count) {
  const int index = static_cast<int>(profile.GetInt(kProfileSection, key, defaultIndex));
  return index >= 0 && index < count ? index : defaultIndex;
}

}  // namespace

CSaveSheetsDlg::CSaveSheetsDlg() : CDialog(IDD_SAVE_SHEETS) {}

void CSaveSheetsDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Radio(dx, IDC_SHEETS_DPI_150, resolution);
  DDX_Radio(dx, IDC_SHEETS_COLOUR, grey);
  DDX_Radio(dx, IDC_SHEETS_LOSSLESS, smaller);
}

bool AskSheetChoices(HWND owner, const CAppProfile& profile, SheetExportRequest& request) {
  CSaveSheetsDlg dialog;
  dialog.resolution = RememberedIndex(profile, kSaveSheetsResolutionKey, kDefaultSheetResolutionIndex, kResolutionCount);
  dialog.grey = RememberedIndex(profile, kSaveSheetsGreyKey, 0, 2);
  dialog.smaller = RememberedIndex(profile, kSaveSheetsSmallerKey, 0, 2);
  if (dialog.DoModal(CWnd::FromHandle(owner)) != IDOK) return false;
  const int resolution = dialog.resolution >= 0 ? dialog.resolution : kDefaultSheetResolutionIndex;
  profile.WriteInt(kProfileSection, kSaveSheetsResolutionKey, resolution);
  profile.WriteInt(kProfileSection, kSaveSheetsGreyKey, dialog.grey == 1);
  profile.WriteInt(kProfileSection, kSaveSheetsSmallerKey, dialog.smaller == 1);
  request.dpi = kSheetResolutions[resolution];
  request.grey = dialog.grey == 1;
  request.smaller = dialog.smaller == 1;
  return true;
}
