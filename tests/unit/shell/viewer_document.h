#pragma once

#include <windows.h>

#include <memory>

#include "folium_app.h"
#include "folium_doc.h"
#include "folium_view.h"
#include "main_frame.h"
#include "resource.h"
#include "temp_dir.h"

// Opens the viewer's own template, document, frame and view in `app`; the frame, or nullptr
// when that failed. The option file goes to `folder`: the options panel saves its list when
// the frame goes, and that must stay out of the build tree.
inline CFrameWnd* OpenViewerDocument(CFoliumApp& app, const TempDir& folder) {
  lstrcpynA(g_szOptionFile, folder.file("option.ini").c_str(), sizeof g_szOptionFile);
  app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, CFoliumDoc::Make,
                                                          CMainFrame::Make, CFoliumView::Make));
  if (!app.ProcessShellCommand(CCommandLineInfo())) return nullptr;
  return app.GetDocTemplate()->GetFrame();
}
