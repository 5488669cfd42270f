// SPDX-License-Identifier: MIT
#include "ui/win32/message_boxes.h"

#include "base/string_printf.h"
#include "ui/model/dialog_texts.h"

namespace kestrum::win32 {
namespace {

int ShowBox(HWND owner, std::string_view text, UINT style) {
  const std::string shown(text);
  return MessageBoxA(owner, shown.c_str(), text::kProgramTitle, style);
}

}  // namespace

void ShowErrorBox(HWND owner, std::string_view text) {
  ShowBox(owner, text, MB_OK | MB_ICONERROR);
}

void ShowInformationBox(HWND owner, std::string_view text) {
  ShowBox(owner, text, MB_OK | MB_ICONINFORMATION);
}

bool AskToReplace(HWND owner, const std::string& path) {
  return ShowBox(owner, StringPrintf(text::kReplaceQuestion, path.c_str()),
                 MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace kestrum::win32
