// SPDX-License-Identifier: MIT
#include "ui/run_feedback.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>

#include "ui/model/test_pause.h"
#include "ui/session_trace.h"
#include "ui/wx_strings.h"

namespace kestrum {

RunFeedback::RunFeedback(wxWindow& dialog, MessageListCtrl& list, bool& running)
    : busy_(std::in_place),
      focus_(wxWindow::FindFocus()),
      list_(list),
      running_(running),
      pacer_(ProgressPacer::Clock::now()) {
  running_ = true;
  for (wxWindow* child : dialog.GetChildren()) {
    if ((dynamic_cast<wxButton*>(child) != nullptr ||
         dynamic_cast<wxCheckBox*>(child) != nullptr) &&
        child->IsEnabled()) {
      child->Disable();
      disabled_.push_back(child);
    }
  }
}

void RunFeedback::ShowProgress(
    std::uint64_t done, std::uint64_t total,
    const std::function<std::string(int percent)>& line) {
  if (!busy_) return;
  PauseIfTestAsks();
  const std::optional<int> percent =
      pacer_.Update(done, total, ProgressPacer::Clock::now());
  if (!percent) return;
  list_.ShowProgressLine(FromFileSystemBytes(line(*percent)));
  TraceShown("progress", list_.LineText(list_.GetItemCount() - 1));
  wxYieldIfNeeded();
}

void RunFeedback::End() {
  if (!busy_) return;
  for (wxWindow* window : disabled_) window->Enable();
  disabled_.clear();
  if (focus_ != nullptr && focus_->IsEnabled()) focus_->SetFocus();
  busy_.reset();
}

}  // namespace kestrum
