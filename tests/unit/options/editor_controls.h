#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "modal_script.h"

// What a user sees and does in the watermark editor and the name dialog.
bool Enabled(HWND dialog, int id);
bool Checked(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);
std::vector<std::string> ComboItems(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
// Picks an item of a list as a user's click does.
void ChooseItem(HWND dialog, int id, int index);
// A real click, which checks an automatic radio button before it reports.
void PressButton(HWND dialog, int id);

// A step for the name dialog: notes its prompt and its initial name, types `name` and
// presses OK, or Cancel when `name` is null.
ModalScript::Step AnswerName(const char* name, std::string* prompt = nullptr,
                             std::string* initialName = nullptr);
