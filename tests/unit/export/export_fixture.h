#pragma once

#include <string>
#include <vector>

#include "app_profile.h"
#include "save_image_dialog.h"

// An application profile under a registry key of the tests' own, removed before and after.
class ScratchAppProfile {
 public:
  ScratchAppProfile();
  ~ScratchAppProfile();
  ScratchAppProfile(const ScratchAppProfile&) = delete;
  ScratchAppProfile& operator=(const ScratchAppProfile&) = delete;

  const CAppProfile& get() const { return m_profile; }
  // The remembered filter as the registry holds it: a REG_DWORD "SaveAsImageFilter" in
  // the section "Folium"; -1 when there is none.
  long RememberedFilter() const;

 private:
  CAppProfile m_profile;
};

// What the save dialog was opened with.
struct DialogRequest {
  HWND owner = nullptr;
  std::vector<std::string> filterParts;
  DWORD filterIndex = 0;
  std::string initialFolder;
  std::string title;
  std::string initialName;
  bool defaultExtensionGiven = false;
  std::string defaultExtension;
  DWORD flags = 0;
};

// Replaces the save dialog for the life of the object: each call records its request and
// answers with `answer` and `answerFilter`, or cancels when `answer` is empty.
class ScriptedSaveDialog {
 public:
  ScriptedSaveDialog();
  ~ScriptedSaveDialog();
  ScriptedSaveDialog(const ScriptedSaveDialog&) = delete;
  ScriptedSaveDialog& operator=(const ScriptedSaveDialog&) = delete;

  std::string answer;
  DWORD answerFilter = 0;
  std::vector<DialogRequest> requests;

 private:
  SaveFileDialog m_previous;
};

// The remembered folder in the Windows profile: read, and removed so a test starts afresh.
std::string RememberedImageFolder();
void ForgetImageFolder();
