// SPDX-License-Identifier: MIT
// What a conversion run shows, shown by the main dialog: real message boxes,
// the dialog's message list and the run's progress.
#pragma once

#include <wx/window.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "run/conversion_ui.h"
#include "ui/message_list_ctrl.h"
#include "ui/model/message_list.h"
#include "ui/run_feedback.h"

namespace kestrum {

// Shows `content` in `list` and reports it to the session trace.
void ShowMessageList(MessageListCtrl& list, const MessageListContent& content);

class DialogConversionUi final : public ConversionUi {
 public:
  // `owner` owns the boxes; `messageList` shows the run's lines; `feedback`
  // is the window's state during the run, ended before a box opens;
  // `logPath` names the log in the progress line. All outlive this object.
  DialogConversionUi(wxWindow& owner, MessageListCtrl& messageList,
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
  wxWindow& owner_;
  MessageListCtrl& messageList_;
  RunFeedback& feedback_;
  const std::string& logPath_;
};

}  // namespace kestrum
