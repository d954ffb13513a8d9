#include "temp_dir.h"

#include <windows.h>

#include <stdexcept>

#include "scoped_handle.h"

// Read in wide characters: Wine's GetEnvironmentVariableA ends a double-byte value after as
// many bytes as it has characters ("ソ表" would come back as "ソ").
std::wstring TestFolderTailWide() {
  wchar_t tail[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"QUILLOR_TEST_FOLDER_TAIL", tail, MAX_PATH);
  return length < MAX_PATH ? std::wstring(tail, length) : std::wstring();
}

std::string TestFolderTail() {
  const std::wstring tail = TestFolderTailWide();
  char ansi[2 * MAX_PATH] = "";
  const int length = WideCharToMultiByte(CP_ACP, 0, tail.data(), static_cast<int>(tail.size()), ansi,
                                         sizeof ansi, nullptr, nullptr);
  return std::string(ansi, length > 0 ? static_cast<std::size_t>(length) : 0);
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
