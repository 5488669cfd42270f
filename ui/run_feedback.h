// SPDX-License-Identifier: MIT
// RunFeedback: how the main dialog looks while a conversion runs. From its
// construction until End: a busy cursor, every button and check box
// disabled, and, once the run has lasted half a second (ProgressPacer), its
// progress as the last line of the message list. While the progress shows,
// pending events are handled so that the window repaints; the dialog
// ignores the user's input meanwhile.
#pragma once

#include <wx/utils.h>
#include <wx/window.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/message_list_ctrl.h"
#include "ui/model/progress_pacer.h"

namespace kestrum {

class RunFeedback {
 public:
  // `dialog` is the main dialog, `list` its message list; `running` is
  // true for as long as this object lives.
  RunFeedback(wxWindow& dialog, MessageListCtrl& list, bool& running);
  ~RunFeedback() {
    End();
    running_ = false;
  }
  RunFeedback(const RunFeedback&) = delete;
  RunFeedback& operator=(const RunFeedback&) = delete;

  // `done` of `total` units of work are done; `line` makes the progress
  // line for a percentage, in bytes as the file system names files.
  void ShowProgress(std::uint64_t done, std::uint64_t total,
                    const std::function<std::string(int percent)>& line);

  // The window as it was before the run, the focus where it was. A message
  // box ends the feedback before it opens.
  void End();

 private:
  std::optional<wxBusyCursor> busy_;
  std::vector<wxWindow*> disabled_;
  wxWindow* focus_ = nullptr;
  MessageListCtrl& list_;
  bool& running_;
  ProgressPacer pacer_;
};

}  // namespace kestrum
