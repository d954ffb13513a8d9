#pragma once

#include <string>
#include <vector>

#include "combo_box.h"
#include "dialog.h"
#include "option_settings.h"

// "Watermark Options": creates, deletes and renames records and sets their type, all in
// the caller's list at once, so Cancel undoes none of it. Only a record's text waits for
// OK, and is dropped when another record is chosen first.
class CWatermarkDlg : public CDialog {
 public:
  CWatermarkDlg();

  std::string contentText;
  // The record shown; set before the run, read after OK.
  int selIndex = 0;
  std::vector<WatermarkRecord>* pList = nullptr;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(UINT id, UINT code) override;

 private:
  bool SelectionValid() const;
  WatermarkRecord& Selected() const;
  void UpdateControls();
  void OnSelChangeName();
  void OnNewWatermark();
  void OnDeleteWatermark();
  void OnRenameWatermark();
  void SetSelectedType(int type) const;

  CComboBox m_nameCombo;
};
