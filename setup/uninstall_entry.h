#pragma once

#include <string>

// Writes the uninstall entry "Quillor add printer" with its display name and uninstaller.
// Any registry failure leaves the rest of the entry out, silently.
void WriteUninstallEntry(const std::string& displayName, const std::string& uninstallerPath);
