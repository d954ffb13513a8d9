#pragma once

#include "combo_box.h"
#include "dialog.h"
#include "option_settings.h"

// The modeless options panel "Option Settings". It holds the values every sheet is drawn
// with and repaints the views at each change; there is no Apply button. Closing it, Enter
// and Escape only hide it; it lives as long as the main frame. The watermark list comes from
// the option file when the panel opens and goes back into it when the panel is destroyed.
class COptionsDlg : public CDialog {
 public:
  COptionsDlg();

  const OptionSettings& Settings() const { return m_settings; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(UINT id, UINT code) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // List 1004: "None", then the records' names, so item k is record k - 1.
  void FillWatermarkCombo();
  // Takes the values from the controls, then repaints, even when the start page was refused.
  void ApplyOptions();
  void TakeValues();
  void RefreshViews();
  // Runs the watermark editor on the list; OK selects the editor's record.
  void OnEditWatermarks();
  // Shows the members in the controls, which is no change of the user's.
  void ShowValues();
  // Saves the watermark list; says so, naming the file, when an edited list cannot be saved.
  void SaveWatermarkList();

  CComboBox m_watermarkCombo;
  OptionSettings m_settings;
  // The list as the option file holds it: only a list that differs can be lost.
  std::vector<WatermarkRecord> m_savedWatermarks;
  // The panel showing its own values is no change of the user's.
  bool m_showingValues = false;
  bool m_applying = false;
  bool m_changedWhileApplying = false;
};
