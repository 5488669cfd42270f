// SPDX-License-Identifier: MIT
// What a conversion run shows in the Windows dialog: its error and
// information boxes over the dialog, its lines in the dialog's message
// list and its progress. Texts go to the system as they are: the log's
// texts and the paths are both 8-bit text in the ANSI code page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "run/conversion_ui.h"
#include "ui/win32/message_list_box.h"
#include "ui/win32/run_feedback.h"

namespace kestrum::win32 {

class DialogConversionUi final : public ConversionUi {
 public:
  // `owner` is the dialog, `messageList` its message list; `feedback` is
  // the dialog's state during the run, ended before a box opens; `logPath`
  // names the log in the progress line. All outlive this object.
  DialogConversionUi(HWND owner, MessageListBox& messageList,
                     RunFeedback& feedback, const std::string& logPath)
      : owner_(owner),
        messageList_(messageList),
        feedback_(feedback),
        logPath_(logPath) {}

  void ShowErrorBox(std::string_view text) override;
  void ShowInformationBox(std::string_view text) override;
  void ReplaceMessageList(const MessageLog& log) override;
  void ShowProgress(std::uint64_t done, std::uint64_t total) override;

 private:
  HWND owner_;
  MessageListBox& messageList_;
  RunFeedback& feedback_;
  const std::string& logPath_;
};

}  // namespace kestrum::win32
