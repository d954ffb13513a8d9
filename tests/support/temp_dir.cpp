#include "temp_dir.h"

#include <windows.h>

#include <stdexcept>

#include "scoped_handle.h"

std::string TestFolderTail() {
  // Read wide and converted: Wine's GetEnvironmentVariableA cuts double-byte values short.
  wchar_t wide[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"QUILLOR_TEST_FOLDER_TAIL", wide, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  char tail[MAX_PATH * 2] = "";
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), tail,
                                        sizeof tail, nullptr, nullptr);
  return std::string(tail, bytes > 0 ? bytes : 0);
}

TempDir::TempDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    const std::string candidate = std::string(base) + "qt" + std::to_string(GetCurrentProcessId()) +
                                  "_" + std::to_string(++counter) + TestFolderTail();
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      m_path = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + candidate);
  }
}

TempDir::~TempDir() { RemoveTree(m_path); }

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  {
    ScopedFindHandle search(FindFirstFileA((path + "\\*").c_str(), &found));
    if (search.valid()) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string child = path + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(child);
        } else {
          SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(child.c_str());
        }
      } while (FindNextFileA(search.get(), &found));
    }
  }
  RemoveDirectoryA(path.c_str());
}
