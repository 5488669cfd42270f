// SPDX-License-Identifier: MIT
#include "ui/win32/run_feedback.h"

#include "ui/model/dialog_template.h"
#include "ui/model/test_pause.h"

namespace kestrum::win32 {
namespace {

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Handles the messages waiting for the program's windows, but keyboard and
// mouse input, which is dropped.
void HandleMessagesButInput() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (IsInput(message.message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

RunFeedback::RunFeedback(HWND dialog, MessageListBox& list, bool& running)
    : dialog_(dialog),
      list_(list),
      running_(running),
      focus_(GetFocus()),
      pacer_(ProgressPacer::Clock::now()) {
  running_ = true;
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.kind != ControlKind::kPushButton &&
        control.kind != ControlKind::kDefaultButton &&
        control.kind != ControlKind::kCheckBox) {
      continue;
    }
    const HWND window = GetDlgItem(dialog_, control.id);
    if (window != nullptr && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled_.push_back(window);
    }
  }
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void RunFeedback::ShowProgress(
    std::uint64_t done, std::uint64_t total,
    const std::function<std::string(int percent)>& line) {
  if (!active_) return;
  PauseIfTestAsks();
  const std::optional<int> percent =
      pacer_.Update(done, total, ProgressPacer::Clock::now());
  if (!percent) return;
  list_.ShowProgressLine(line(*percent));
  HandleMessagesButInput();
}

void RunFeedback::End() {
  if (!active_) return;
  active_ = false;
  for (const HWND window : disabled_) EnableWindow(window, TRUE);
  if (focus_ != nullptr && IsWindowEnabled(focus_)) SetFocus(focus_);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace kestrum::win32
