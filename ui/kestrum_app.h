// SPDX-License-Identifier: MIT
// CKestrumApp: the application. It runs the main dialog modally once; when
// the dialog closes, the program ends. Its command line is `kestrum [LOG]`
// (ui/model/dialog_arguments.h), read before the toolkit starts, so that
// "--help" and "--version" work without a display; LOG is chosen in the
// dialog as if with the "ZR BIN" button.
#pragma once

#include <wx/app.h>

#include <string>

namespace kestrum {

class CKestrumApp final : public wxApp {
 public:
  // `log`: the log to choose at start, bytes as the file system names it;
  // empty for none.
  explicit CKestrumApp(std::string log) : log_(std::move(log)) {}

  bool OnInit() override;
  // Runs the dialog instead of a main loop; returns the exit status, 0.
  int OnRun() override;

 private:
  std::string log_;
};

}  // namespace kestrum
