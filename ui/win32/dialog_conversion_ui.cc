// SPDX-License-Identifier: MIT
#include "ui/win32/dialog_conversion_ui.h"

#include "ui/model/message_list.h"
#include "ui/model/progress_pacer.h"
#include "ui/win32/message_boxes.h"

namespace kestrum::win32 {

void DialogConversionUi::ShowErrorBox(std::string_view text) {
  feedback_.End();
  win32::ShowErrorBox(owner_, text);
}

void DialogConversionUi::ShowInformationBox(std::string_view text) {
  feedback_.End();
  win32::ShowInformationBox(owner_, text);
}

void DialogConversionUi::ReplaceMessageList(const MessageLog& log) {
  MessageListContent content;
  content.AddRun(log);
  messageList_.Show(content);
}

void DialogConversionUi::ShowProgress(std::uint64_t done, std::uint64_t total) {
  feedback_.ShowProgress(done, total, [this](int percent) {
    return ProgressLine(logPath_, percent);
  });
}

}  // namespace kestrum::win32
