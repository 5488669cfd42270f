// SPDX-License-Identifier: MIT
// CKestrumApp: the application. It runs the main dialog modally once; when
// the dialog closes, the program ends. Command-line arguments are ignored and
// nothing is kept between sessions.
#pragma once

#include <wx/app.h>

namespace kestrum {

class CKestrumApp final : public wxApp {
 public:
  bool OnInit() override;
  // Runs the dialog instead of a main loop; returns the exit status, 0.
  int OnRun() override;
};

}  // namespace kestrum
