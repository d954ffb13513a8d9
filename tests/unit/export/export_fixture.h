#pragma once

#include <map>
#include <string>
#include <vector>

#include "save_image_dialog.h"

// The application profile's integers, held in memory.
class MemoryProfile : public AppProfileIntegers {
 public:
  UINT GetInt(const char* section, const char* entry, int defaultValue) const override;
  bool WriteInt(const char* section, const char* entry, int value) const override;

  mutable std::map<std::string, int> values;
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
