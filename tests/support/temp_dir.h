#pragma once

#include <string>

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

// The end the double-byte runs give every test folder's name ("" otherwise), in the system's
// characters.
std::wstring TestFolderTail();

// Removes a folder and everything in it.
void RemoveTree(const std::string& path);
