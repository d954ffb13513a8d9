#pragma once

#include "page_store.h"
#include "print_info.h"
#include "win_app.h"

// Path of "option.ini" beside the program, set when the application object is made.
extern char g_szOptionFile[MAX_PATH];

// The viewer's one application object: start-up with the single-instance hand-over,
// the page store of the current job, the sheet size, and shut-down.
class CFoliumApp : public CWinApp, public CPageStore {
 public:
  CFoliumApp();

  bool InitInstance() override;
  int ExitInstance() override;
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

  // Takes the sheet size from the printable area of the printer settings and repaints;
  // false, the size kept, without a printer.
  bool UpdateSheetSize();

  // How the job prints: on both sides when the user chose so or the sheets make a booklet.
  TwoSidedPrinting TwoSidedChoice(bool booklet, bool landscape) const;
  // Whether a job handed over is added after the pages shown instead of replacing them.
  bool GathersJobs() const { return m_gatherJobs; }
  // An arranging switch of the profile (arrange_names.h), off until set.
  bool ProfileSwitch(const char* entry) const;
  void FlipProfileSwitch(const char* entry);

  // Sheet size in tenths of a millimetre (A4 until the printer's printable area is read).
  int m_nSheetWidth = 2100;
  int m_nSheetHeight = 2970;

 protected:
  void ShowStoreMessage(const std::string& text) override;

 private:
  void OnAppAbout();
  // The Print Setup dialog on the printer settings, then the sheet size anew.
  void OnFilePrintSetup();
  // Writes the job's page files as numbered image files in the format the user picks.
  void OnSaveAsImage();

  void OnPrintBothSides();
  void OnUpdatePrintBothSides(CCmdUI* ui);
  void OnOutputFaceUp();
  void OnUpdateOutputFaceUp(CCmdUI* ui);
  void OnGatherJobs();
  void OnUpdateGatherJobs(CCmdUI* ui);

  bool m_gatherJobs = false;
};

// The application object, for the parts of the viewer that reach the page store.
CFoliumApp& FoliumApp();
