#include "install_sequence.h"

#include <string>
#include <vector>

#include <winspool.h>

#include "ansi_code_page.h"
#include "file_copy.h"
#include "install_printer.h"
#include "installer_state.h"
#include "path_parts.h"
#include "pending_renames.h"
#include "program_directory.h"
#include "registry_key.h"
#include "run_and_wait.h"
#include "setup_calls.h"
#include "setup_error.h"
#include "setup_resource.h"
#include "setup_texts.h"
#include "uninstall_entry.h"

namespace {

constexpr UINT kSystemDirectoryCapacity = 256;

// The port monitor of the running family, as AddMonitorA registers it.
class MonitorRecord {
 public:
  explicit MonitorRecord(const InstallerState& state)
      : m_name(state.monitorName),
        m_environment(EnvironmentFor(state.isNt)),
        m_dllName(MonitorDllFor(state.isNt)),
        m_info{m_name.data(), m_environment.data(), m_dllName.data()} {}
  MonitorRecord(const MonitorRecord&) = delete;
  MonitorRecord& operator=(const MonitorRecord&) = delete;

  const std::string& dllName() const { return m_dllName; }
  BYTE* info() { return reinterpret_cast<BYTE*>(&m_info); }

 private:
  std::string m_name;
  std::string m_environment;
  std::string m_dllName;
  MONITOR_INFO_2A m_info;
};

// How often the monitor is listed; false when the list can't be read into the work buffer.
bool CountListedMonitors(const std::string& monitorName, int& count) {
  std::vector<BYTE> buffer(kWorkBufferSize);
  DWORD needed = 0;
  DWORD returned = 0;
  if (!Calls().enumMonitors(nullptr, 1, buffer.data(), kWorkBufferSize, &needed, &returned)) return false;
  const DWORD capacity = kWorkBufferSize / sizeof(MONITOR_INFO_1A);
  const auto* monitors = reinterpret_cast<const MONITOR_INFO_1A*>(buffer.data());
  count = 0;
  for (DWORD i = 0; i < returned && i < capacity; ++i) {
    if (monitors[i].pName != nullptr && monitorName == monitors[i].pName) ++count;
  }
  return true;
}

// An earlier installation is removed by its uninstaller from the setup folder.
void RunEarlierUninstaller(const std::string& setupFolder, int timesListed) {
  const std::string uninstaller = ProgramCommandLine(setupFolder + kUninstallerFile);
  for (int i = 0; i < timesListed; ++i) RunAndWait(uninstaller.c_str());
}

bool ReadSystemDirectory(std::string& directory) {
  char buffer[kSystemDirectoryCapacity] = "";
  const UINT length = Calls().getSystemDirectory(buffer, kSystemDirectoryCapacity);
  if (length == 0 || length >= kSystemDirectoryCapacity) return false;
  directory = WithTrailingBackslash(std::string(buffer, length), AnsiLeadBytes());
  return true;
}

// Copies from the setup folder into the system directory, under the same names.
void CopyInstallerFiles(const std::string& setupFolder, const std::string& systemDirectory,
                        const std::string& monitorDll) {
  CopyFileOver(setupFolder + monitorDll, systemDirectory + monitorDll);
  // A missing help file is no error, and must not show in a later report.
  if (!CopyFileOver(setupFolder + kHelpFile, systemDirectory + kHelpFile)) SetLastError(0);
  CopyFileOver(setupFolder + kUninstallerFile, systemDirectory + kUninstallerFile);
}

// Tells the port monitor what to run for each job; silent when its port key is missing.
void WritePortCommand() {
  SetupRegKey port;
  if (!OpenMachineKey(kPortKey, port)) return;
  SetStringValue(port.get(), kPortCommandValue, kPortCommand);
  SetStringValue(port.get(), kPortArgumentsValue, kPortArguments);
}

}  // namespace

int RunInstallation(HINSTANCE instance, const char* commandLine) {
  const InstallerState state = LoadInstallerState(instance, commandLine);
  MonitorRecord monitor(state);

  int timesListed = 0;
  if (!CountListedMonitors(state.monitorName, timesListed)) {
    ShowSetupError(state, IDS_ENUM_MONITORS_ERROR);
    return kSetupStopped;
  }
  const std::string setupFolder = ProgramDirectory();
  RunEarlierUninstaller(setupFolder, timesListed);

  std::string systemDirectory;
  if (!ReadSystemDirectory(systemDirectory)) {
    ShowSetupError(state, IDS_NO_SYSTEM_DIRECTORY);
    return kSetupStopped;
  }

  CopyInstallerFiles(setupFolder, systemDirectory, monitor.dllName());
  if (!Calls().addMonitor(nullptr, 2, monitor.info())) ShowSetupError(state, IDS_ADD_MONITOR_ERROR);

  const std::string uninstallerPath = systemDirectory + kUninstallerFile;
  WriteUninstallEntry(state.caption, uninstallerPath);
  CancelPendingDeletion(state.isNt, uninstallerPath);

  std::string monitorName = state.monitorName;
  if (!Calls().addPort(nullptr, nullptr, monitorName.data())) {
    ShowSetupError(state, IDS_ENUM_MONITORS_ERROR);
    return kSetupCompleted;
  }
  if (InstallPrinter() != 0) {
    ShowSetupError(state, IDS_ENUM_MONITORS_ERROR);
    return kSetupCompleted;
  }
  WritePortCommand();
  return kSetupCompleted;
}
