// SPDX-License-Identifier: MIT
#include "ui/win32/dialog_conversion_ui.h"

#include "ui/win32/message_boxes.h"

namespace kestrum::win32 {

void DialogConversionUi::ShowErrorBox(std::string_view text) {
  win32::ShowErrorBox(owner_, text);
}

void DialogConversionUi::ShowInformationBox(std::string_view text) {
  win32::ShowInformationBox(owner_, text);
}

void DialogConversionUi::ReplaceMessageList(const MessageLog& log) {
  SendMessageA(messageList_, LB_RESETCONTENT, 0, 0);
  log.ForEachListLine([this](MessageKind, std::string_view line) {
    const std::string shown = ListLine(line);
    SendMessageA(messageList_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(shown.c_str()));
  });
}

std::string ListLine(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  return std::string(line);
}

}  // namespace kestrum::win32
