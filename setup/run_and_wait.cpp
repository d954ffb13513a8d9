#include "run_and_wait.h"

#include <cstring>

#include <windows.h>

#include "ansi_code_page.h"
#include "dbcs_text.h"
#include "setup_calls.h"

namespace {

constexpr std::size_t kCommandLineCapacity = 2048;
constexpr char kNoWaitSuffix = '&';
constexpr char kSuffixes[] = "&|";  // '&' starts without waiting, '|' is only dropped

// The two handles CreateProcessA returns, closed once on every path.
class ProcessHandles {
 public:
  ProcessHandles() : m_info() {}
  ~ProcessHandles() {
    if (m_info.hThread != nullptr) Calls().closeHandle(m_info.hThread);
    if (m_info.hProcess != nullptr) Calls().closeHandle(m_info.hProcess);
  }
  ProcessHandles(const ProcessHandles&) = delete;
  ProcessHandles& operator=(const ProcessHandles&) = delete;

  PROCESS_INFORMATION* out() { return &m_info; }
  HANDLE process() const { return m_info.hProcess; }

 private:
  PROCESS_INFORMATION m_info;
};

}  // namespace

int RunAndWait(const char* commandLine) {
  if (commandLine == nullptr) return -1;
  const std::size_t length = std::strlen(commandLine);
  if (length >= kCommandLineCapacity) return -1;

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  startup.dwFlags |= STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;

  char buffer[kCommandLineCapacity];
  std::memcpy(buffer, commandLine, length + 1);
  bool wait = true;
  // Only a suffix that is a character of its own: '|' may be the second byte of one.
  const std::size_t suffix = FindLastCharacter(commandLine, kSuffixes, AnsiLeadBytes());
  if (suffix != std::string::npos && suffix + 1 == length) {
    wait = buffer[suffix] != kNoWaitSuffix;
    buffer[suffix] = '\0';
  }

  ProcessHandles process;
  if (!Calls().createProcess(nullptr, buffer, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                             nullptr, nullptr, &startup, process.out())) {
    return -1;
  }
  if (!wait) return 0;

  const DWORD waitResult = Calls().waitForSingleObject(process.process(), INFINITE);
  if (waitResult != WAIT_OBJECT_0) return static_cast<int>(waitResult);
  DWORD exitCode = 0;
  if (!Calls().getExitCodeProcess(process.process(), &exitCode)) return -1;
  return static_cast<int>(exitCode);
}

std::string ProgramCommandLine(const std::string& path) {
  return FindLastCharacter(path, " ", AnsiLeadBytes()) == std::string::npos ? path : '"' + path + '"';
}
