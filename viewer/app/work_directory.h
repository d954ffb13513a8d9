#pragma once

#include <string>

// The per-user work folder: a folder of one fixed name in the user's temporary folder
// (`temporaryDirectory`, with its trailing backslash). "" when it would not fit a path buffer.
std::string PerUserWorkDirectoryPath(const std::string& temporaryDirectory);

// Creates `directory` when it is missing and proves a file can be written in it.
bool IsUsableWorkDirectory(const std::string& directory);

// The folder for page files: `besideProgram` when it is usable, otherwise `perUser`;
// "" when neither can be used.
std::string ChooseWorkDirectory(const std::string& besideProgram, const std::string& perUser);
