#include "watermark_dlg.h"

#include "data_exchange.h"
#include "formatted_text.h"
#include "name_dlg.h"
#include "resource.h"
#include "win_app.h"

namespace {

constexpr char kNewWatermarkPrompt[] = "New Watermark";
constexpr char kRenamePromptFormat[] = "Rename \"%s\" to:";
constexpr char kDeleteQuestionFormat[] = "Are you sure you want to delete watermark \"%s\"?";

// The radio buttons of the type group and the type each one stands for.
struct TypeButton {
  int id;
  int type;
};
constexpr TypeButton kTypeButtons[] = {{IDC_WM_HEADER, kWatermarkTypeHeader},
                                       {IDC_WM_WATERMARK, kWatermarkTypeOutline},
                                       {IDC_WM_FOOTER, kWatermarkTypeFooter}};

// The controls that act on the selected record.
constexpr int kRecordControls[] = {IDC_WM_HEADER,  IDC_WM_WATERMARK, IDC_WM_FOOTER,
                                   IDC_WM_CONTENT, IDC_WM_DELETE,    IDC_WM_RENAME};

}  // namespace

CWatermarkDlg::CWatermarkDlg() : CDialog(IDD_WATERMARK) {}

void CWatermarkDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_WM_NAME, m_nameCombo);
  DDX_Text(dx, IDC_WM_CONTENT, contentText);
  DDX_CBIndex(dx, IDC_WM_NAME, selIndex);
}

BOOL CWatermarkDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();
  for (const WatermarkRecord& record : *pList) m_nameCombo.AddString(record.name.c_str());
  UpdateControls();
  return TRUE;
}

void CWatermarkDlg::OnOK() {
  UpdateData(true);
  if (SelectionValid()) Selected().content = contentText;
  CDialog::OnOK();
}

bool CWatermarkDlg::OnCommand(UINT id, UINT code) {
  if (id == IDC_WM_NAME) {
    if (code == CBN_SELCHANGE) OnSelChangeName();
    return true;
  }
  if (code != BN_CLICKED) return CDialog::OnCommand(id, code);
  for (const TypeButton& button : kTypeButtons) {
    if (static_cast<int>(id) != button.id) continue;
    SetSelectedType(button.type);
    return true;
  }
  switch (id) {
    case IDC_WM_NEW:
      OnNewWatermark();
      return true;
    case IDC_WM_DELETE:
      OnDeleteWatermark();
      return true;
    case IDC_WM_RENAME:
      OnRenameWatermark();
      return true;
    default:
      return CDialog::OnCommand(id, code);
  }
}

bool CWatermarkDlg::SelectionValid() const {
  return selIndex >= 0 && selIndex < static_cast<int>(pList->size());
}

WatermarkRecord& CWatermarkDlg::Selected() const {
  return (*pList)[static_cast<std::size_t>(selIndex)];
}

void CWatermarkDlg::UpdateControls() {
  const bool valid = SelectionValid();
  HWND focus = GetFocus();
  for (int id : kRecordControls) {
    HWND control = GetDlgItem(m_hWnd, id);
    // A control that loses the focus by being disabled would leave the keyboard nowhere.
    if (!valid && control == focus)
      ::SendMessageA(m_hWnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, IDC_WM_NEW)), TRUE);
    EnableWindow(control, valid);
  }
  if (valid) {
    const WatermarkRecord& record = Selected();
    for (const TypeButton& button : kTypeButtons)
      CheckDlgButton(m_hWnd, button.id, record.type == button.type ? BST_CHECKED : BST_UNCHECKED);
    contentText = record.content;
  }
  UpdateData(false);
}

void CWatermarkDlg::OnSelChangeName() {
  UpdateData(true);
  UpdateControls();
}

void CWatermarkDlg::SetSelectedType(int type) const {
  if (SelectionValid()) Selected().type = type;
}

void CWatermarkDlg::OnNewWatermark() {
  CNameDlg dialog;
  dialog.promptText = kNewWatermarkPrompt;
  if (dialog.DoModal(this) != IDOK || dialog.nameText.empty()) return;
  pList->push_back({dialog.nameText, dialog.nameText, kWatermarkTypeOutline});
  selIndex = m_nameCombo.GetCount();
  m_nameCombo.AddString(dialog.nameText.c_str());
  UpdateControls();
}

void CWatermarkDlg::OnDeleteWatermark() {
  if (!SelectionValid()) return;
  const std::string question = FormatText(kDeleteQuestionFormat, Selected().name.c_str());
  const int askedIndex = selIndex;
  const std::size_t askedCount = pList->size();
  const std::string askedName = Selected().name;
  if (AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  // The answer is about the record as it was asked; a list changed meanwhile is left alone.
  if (selIndex != askedIndex || pList->size() != askedCount || Selected().name != askedName)
    return;
  pList->erase(pList->begin() + selIndex);
  m_nameCombo.DeleteString(selIndex);
  selIndex = 0;
  UpdateControls();
}

void CWatermarkDlg::OnRenameWatermark() {
  if (!SelectionValid()) return;
  CNameDlg dialog;
  dialog.promptText = FormatText(kRenamePromptFormat, Selected().name.c_str());
  if (dialog.DoModal(this) != IDOK || dialog.nameText.empty()) return;
  Selected().name = dialog.nameText;
  m_nameCombo.DeleteString(selIndex);
  m_nameCombo.InsertString(selIndex, dialog.nameText.c_str());
  UpdateControls();
}
