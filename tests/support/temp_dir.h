#pragma once

#include <string>

// The end of every test folder's name: a double-byte name in the double-byte runs
// (QUILLOR_TEST_FOLDER_TAIL), in the ANSI code page; empty otherwise.
std::string TestFolderTail();
// The same end in wide characters.
std::wstring TestFolderTailWide();

// A fresh folder under the temporary directory, removed with its contents at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing backslash.
  const std::string& path() const { return m_path; }
  // A path inside the folder.
  std::string file(const std::string& name) const { return m_path + "\\" + name; }

 private:
  std::string m_path;
};

// Removes a folder and everything in it.
void RemoveTree(const std::string& path);
