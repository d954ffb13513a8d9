#include "options_dlg.h"

#include "app_names.h"
#include "data_exchange.h"
#include "document.h"
#include "folium_app.h"
#include "formatted_text.h"
#include "frame_wnd.h"
#include "message_box.h"
#include "resource.h"
#include "watermark_dlg.h"
#include "watermark_file.h"
#include "win_app.h"

namespace {

constexpr char kNoWatermarkItem[] = "None";
constexpr char kOptionFileNotSavedFormat[] =
    "The watermark list could not be saved in \"%s\": the file or its folder is read-only, "
    "or the disk is full. The file was left as it was, so this session's changes to the list "
    "are lost. Make the file writable to keep changes next time.";

// The notifications by which the user changes a value: a list's new selection or any
// edit of the start page.
bool IsOptionChange(UINT id, UINT code) {
  switch (id) {
    case IDC_PAGE_BORDER:
    case IDC_PAGE_NUMBER:
    case IDC_PAGE_MARGINS:
    case IDC_WATERMARK:
      return code == CBN_SELCHANGE;
    case IDC_START_PAGE:
      return code == EN_CHANGE;
    default:
      return false;
  }
}

}  // namespace

COptionsDlg::COptionsDlg() : CDialog(IDD_OPTIONS) {}

void COptionsDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_WATERMARK, m_watermarkCombo);
  DDX_CBIndex(dx, IDC_PAGE_BORDER, m_settings.pageBorder);
  DDX_CBIndex(dx, IDC_PAGE_NUMBER, m_settings.pageNumberPos);
  DDX_CBIndex(dx, IDC_PAGE_MARGINS, m_settings.pageMargins);
  DDX_CBIndex(dx, IDC_WATERMARK, m_settings.watermarkSel);
  DDX_Text(dx, IDC_START_PAGE, m_settings.startPage);
}

BOOL COptionsDlg::OnInitDialog() {
  m_showingValues = true;
  CDialog::OnInitDialog();
  m_showingValues = false;
  LoadWatermarks(g_szOptionFile, m_settings.watermarks);
  m_savedWatermarks = m_settings.watermarks;
  FillWatermarkCombo();
  ShowValues();
  return TRUE;
}

bool COptionsDlg::OnCommand(UINT id, UINT code) {
  if (id == IDC_EDIT_WATERMARKS && code == BN_CLICKED) {
    OnEditWatermarks();
    return true;
  }
  if (!IsOptionChange(id, code)) return CDialog::OnCommand(id, code);
  if (!m_showingValues) ApplyOptions();
  return true;
}

LRESULT COptionsDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    ShowWindow(SW_HIDE);
    return TRUE;
  }
  const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
  if (message == WM_DESTROY) SaveWatermarkList();
  return result;
}

void COptionsDlg::SaveWatermarkList() {
  if (SaveWatermarks(g_szOptionFile, m_settings.watermarks) ||
      m_settings.watermarks == m_savedWatermarks)
    return;
  // The frame is going away: the box stands on its own.
  ShowMessageBox(nullptr, FormatText(kOptionFileNotSavedFormat, g_szOptionFile).c_str(), kAppTitle,
                 MB_OK | MB_ICONEXCLAMATION);
}

void COptionsDlg::FillWatermarkCombo() {
  for (int item = m_watermarkCombo.GetCount() - 1; item >= 0; --item)
    m_watermarkCombo.DeleteString(item);
  m_watermarkCombo.AddString(kNoWatermarkItem);
  for (const WatermarkRecord& record : m_settings.watermarks)
    m_watermarkCombo.AddString(record.name.c_str());
}

void COptionsDlg::OnEditWatermarks() {
  CWatermarkDlg editor;
  editor.pList = &m_settings.watermarks;
  editor.selIndex = m_settings.watermarkSel > 0 ? m_settings.watermarkSel - 1 : 0;
  // Owned by the panel, which it disables: "..." cannot open a second editor over it.
  if (editor.DoModal(this) == IDOK) {
    FillWatermarkCombo();
    m_settings.watermarkSel = editor.selIndex + 1;
  } else if (m_settings.watermarkSel <= static_cast<int>(m_settings.watermarks.size())) {
    return;
  }
  // OK on an empty list, or deletions in a cancelled editor, leave the selection past the
  // end of the list: it falls back to none.
  if (m_settings.watermarkSel > static_cast<int>(m_settings.watermarks.size()))
    m_settings.watermarkSel = 0;
  ShowValues();
  RefreshViews();
}

void COptionsDlg::ShowValues() {
  m_showingValues = true;
  UpdateData(false);
  m_showingValues = false;
}

void COptionsDlg::ApplyOptions() {
  // A refused start page shows a message box, whose own message loop leaves the panel
  // usable. A change made meanwhile is taken once the box is gone, rather than opening a
  // second box over the first.
  if (m_applying) {
    m_changedWhileApplying = true;
    return;
  }
  m_applying = true;
  do {
    m_changedWhileApplying = false;
    TakeValues();
    RefreshViews();
  } while (m_changedWhileApplying);
  m_applying = false;
}

void COptionsDlg::TakeValues() {
  HWND startPage = GetDlgItem(m_hWnd, IDC_START_PAGE);
  DWORD selStart = 0;
  DWORD selEnd = 0;
  ::SendMessageA(startPage, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                 reinterpret_cast<LPARAM>(&selEnd));
  // A refusal selects the whole field, so the next keystroke would wipe what the user is
  // typing (a "-" on its way to "-5"): the caret goes back where it was.
  if (!UpdateData(true)) ::SendMessageA(startPage, EM_SETSEL, selStart, selEnd);
}

void COptionsDlg::RefreshViews() {
  auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
  if (!frame) return;
  if (CDocument* document = frame->GetActiveDocument()) document->UpdateAllViews(nullptr);
}
