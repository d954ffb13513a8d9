#include "remote_library.h"

#include <tlhelp32.h>

#include <cstring>

namespace {

constexpr DWORD kLoadTimeoutMs = 10000;
constexpr DWORD kProcessAccess = PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                 PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;

// Memory in the other process, released with this object unless it is kept.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, std::size_t size)
      : m_process(process),
        m_address(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteBlock() {
    if (m_address && !m_kept) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  void* address() const { return m_address; }
  void Keep() { m_kept = true; }

 private:
  HANDLE m_process;
  void* m_address;
  bool m_kept = false;
};

enum class ThreadEnd { kReturned, kOverran, kNotStarted };

// Runs start(parameter) on a new thread of the process and waits for it within the time.
ThreadEnd RunThread(HANDLE process, const void* start, void* parameter, DWORD timeoutMs,
                    DWORD& exitCode) {
  ScopedFileHandle thread(CreateRemoteThread(
      process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(const_cast<void*>(start)),
      parameter, 0, nullptr));
  if (!thread.valid()) return ThreadEnd::kNotStarted;
  if (WaitForSingleObject(thread.get(), timeoutMs) != WAIT_OBJECT_0) return ThreadEnd::kOverran;
  return GetExitCodeThread(thread.get(), &exitCode) ? ThreadEnd::kReturned : ThreadEnd::kOverran;
}

// The system's own libraries lie at the same address in every process, so kernel32's
// entry points found here are valid there.
const void* Kernel32Function(const char* name) {
  return reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name));
}

const char* FileName(const std::string& path) {
  const std::string::size_type slash = path.find_last_of("\\/");
  return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

void* ModuleBaseIn(DWORD processId, const char* fileName) {
  ScopedFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot.valid()) return nullptr;
  MODULEENTRY32 module = {};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot.get(), &module); more;
       more = Module32Next(snapshot.get(), &module)) {
    if (lstrcmpiA(module.szModule, fileName) == 0) return module.modBaseAddr;
  }
  return nullptr;
}

// Where the export lies from the library's base, read from a copy mapped here without
// running any of its code.
bool ExportOffset(const std::string& path, const char* exportName, std::size_t& offset) {
  HMODULE local = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!local) return false;
  const FARPROC function = GetProcAddress(local, exportName);
  offset = reinterpret_cast<const char*>(function) - reinterpret_cast<const char*>(local);
  FreeLibrary(local);
  return function != nullptr;
}

}  // namespace

RemoteLibrary::RemoteLibrary(DWORD processId, const std::string& path)
    : m_process(OpenProcess(kProcessAccess, FALSE, processId)), m_path(path) {
  if (!m_process.valid()) return;
  RemoteBlock pathCopy(m_process.get(), path.size() + 1);
  if (!pathCopy.address() || !WriteProcessMemory(m_process.get(), pathCopy.address(), path.c_str(),
                                                 path.size() + 1, nullptr))
    return;
  DWORD ignored = 0;
  switch (RunThread(m_process.get(), Kernel32Function("LoadLibraryA"), pathCopy.address(),
                    kLoadTimeoutMs, ignored)) {
    case ThreadEnd::kReturned:
      // The thread's exit code holds only the low half of a 64-bit module handle.
      m_base = ModuleBaseIn(processId, FileName(path));
      break;
    case ThreadEnd::kOverran:
      pathCopy.Keep();
      break;
    case ThreadEnd::kNotStarted:
      break;
  }
}

RemoteLibrary::~RemoteLibrary() {
  if (!m_base || m_stranded) return;
  DWORD ignored = 0;
  RunThread(m_process.get(), Kernel32Function("FreeLibrary"), m_base, kLoadTimeoutMs, ignored);
}

bool RemoteLibrary::Call(const char* exportName, void* block, std::size_t size, DWORD timeoutMs) {
  std::size_t offset = 0;
  if (!loaded() || m_stranded || !ExportOffset(m_path, exportName, offset)) return false;
  RemoteBlock copy(m_process.get(), size);
  if (!copy.address() || !WriteProcessMemory(m_process.get(), copy.address(), block, size, nullptr))
    return false;
  DWORD result = 0;
  switch (RunThread(m_process.get(), static_cast<const char*>(m_base) + offset, copy.address(),
                    timeoutMs, result)) {
    case ThreadEnd::kReturned:
      return result != 0 &&
             ReadProcessMemory(m_process.get(), copy.address(), block, size, nullptr);
    case ThreadEnd::kOverran:
      copy.Keep();
      m_stranded = true;
      return false;
    case ThreadEnd::kNotStarted:
      return false;
  }
  return false;
}
