#pragma once

#include <string>
#include <vector>

// A default value that registering a document type sets, under HKEY_CLASSES_ROOT.
struct ShellRegistryEntry {
  std::string key;
  std::string value;
};

// The keys that tell the shell about a document type, in the order they are written, so
// that the extension never names a type that is not there yet: the type `typeId` with its
// description `typeName`, its icon (the program's first), the command that opens a file
// by starting the program with it (only with `shellOpen`), then `extension` naming the
// type. Nothing without a type; no extension entry without an extension.
std::vector<ShellRegistryEntry> ShellFileTypeEntries(const std::string& programPath,
                                                     const std::string& extension,
                                                     const std::string& typeId,
                                                     const std::string& typeName,
                                                     bool shellOpen);

// Writes each entry whose value is missing or different. Failures are ignored: a limited
// user cannot write there, and the program runs all the same.
void WriteShellEntries(const std::vector<ShellRegistryEntry>& entries);

// The default values below HKEY_CLASSES_ROOT, as WriteShellEntries reads and writes them.
struct ClassesRootAccess {
  // False when the key or its default value is missing.
  bool (*read)(const char* key, std::string& value);
  // Creates the key when needed; false when the registry refuses.
  bool (*write)(const char* key, const char* value);
};
// Installs a replacement (members that are nullptr restore the registry's) and returns the
// previous one.
ClassesRootAccess SetClassesRootAccess(ClassesRootAccess access);
