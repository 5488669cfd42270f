// SPDX-License-Identifier: MIT
// How the Windows dialog looks while a conversion runs. From construction
// until End: a wait cursor, every button and check box disabled, and, once
// the run has lasted half a second (ProgressPacer), its progress as the
// last line of the message list. While the progress shows, the window's
// messages are handled so that it repaints; keyboard and mouse input is
// dropped.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/model/progress_pacer.h"
#include "ui/win32/message_list_box.h"

namespace kestrum::win32 {

class RunFeedback {
 public:
  // `dialog` is the main dialog, `list` its message list; `running` is
  // true for as long as this object lives.
  RunFeedback(HWND dialog, MessageListBox& list, bool& running);
  ~RunFeedback() {
    End();
    running_ = false;
  }
  RunFeedback(const RunFeedback&) = delete;
  RunFeedback& operator=(const RunFeedback&) = delete;

  // `done` of `total` units of work are done; `line` makes the progress
  // line for a percentage.
  void ShowProgress(std::uint64_t done, std::uint64_t total,
                    const std::function<std::string(int percent)>& line);

  // The dialog as it was before the run. A message box ends the feedback
  // before it opens.
  void End();

 private:
  HWND dialog_;
  MessageListBox& list_;
  bool& running_;
  std::vector<HWND> disabled_;
  HWND focus_;
  bool active_ = true;
  ProgressPacer pacer_;
};

}  // namespace kestrum::win32
