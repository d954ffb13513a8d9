#include "message_box.h"

namespace {

int SystemMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxA(owner, text, caption, type);
}

MessageBoxHook g_messageBox = SystemMessageBox;

}  // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return g_messageBox(owner, text, caption, type);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = g_messageBox;
  g_messageBox = hook ? hook : SystemMessageBox;
  return previous;
}
