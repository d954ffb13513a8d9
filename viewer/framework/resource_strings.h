#pragma once

#include <windows.h>

#include <string>

// A string resource of the program ("" when there is none).
std::string LoadResourceString(UINT id);

// The n-th part (from 0) of a "\n"-separated resource string: the document string's
// fields, or a command's status-bar prompt (0) and tooltip (1).
std::string ResourceStringPart(const std::string& text, int index);
