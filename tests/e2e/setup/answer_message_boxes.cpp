// Runs a program and answers every message box it shows with OK, printing each box as
// "caption|text" (line breaks as "\n"). Ends with the program's exit code, or 99 when the
// program is still running after the time limit.
//   answer_message_boxes SECONDS COMMAND-LINE...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the text control of a message box
constexpr DWORD kPollMs = 50;

struct Search {
  DWORD processId;
  std::set<HWND> seen;
};

std::string OneLine(const char* text) {
  std::string line;
  for (const char* c = text; *c; ++c) {
    if (*c == '\r') continue;
    line += *c == '\n' ? std::string("\\n") : std::string(1, *c);
  }
  return line;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = "";
  GetClassNameA(window, className, sizeof(className));
  if (owner != search->processId || std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (search->seen.insert(window).second) {
    char caption[512] = "";
    char text[4096] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    GetDlgItemTextA(window, kMessageTextId, text, sizeof(text));
    std::printf("%s|%s\n", OneLine(caption).c_str(), OneLine(text).c_str());
    std::fflush(stdout);
  }
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

// The command line after the first two words.
const char* CommandAfterLimit() {
  const char* line = GetCommandLineA();
  for (int word = 0; word < 2; ++word) {
    bool quoted = false;
    while (*line == ' ') ++line;
    while (*line && (quoted || *line != ' ')) {
      if (*line == '"') quoted = !quoted;
      ++line;
    }
  }
  while (*line == ' ') ++line;
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const DWORD limitMs = static_cast<DWORD>(std::atoi(argv[1])) * 1000;
  std::string command = CommandAfterLimit();
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("cannot start: %lu\n", GetLastError());
    return 98;
  }
  Search search{process.dwProcessId, {}};
  DWORD waited = 0;
  while (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_TIMEOUT) {
    EnumWindows(AnswerBox, reinterpret_cast<LPARAM>(&search));
    waited += kPollMs;
    if (waited > limitMs) {
      TerminateProcess(process.hProcess, 99);
      std::printf("time limit reached\n");
      break;
    }
  }
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("exit code %lu\n", exitCode);
  return static_cast<int>(exitCode);
}
