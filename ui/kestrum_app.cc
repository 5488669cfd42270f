// SPDX-License-Identifier: MIT
#include "ui/kestrum_app.h"

#include "ui/kestrum_dlg.h"

wxIMPLEMENT_APP(kestrum::CKestrumApp);

namespace kestrum {

// The base class would parse the command line, which the program has none
// of; the application name, the message boxes' caption, comes from the
// executable's name.
bool CKestrumApp::OnInit() { return true; }

int CKestrumApp::OnRun() {
  CKestrumDlg dialog;
  dialog.ShowModal();
  return 0;
}

}  // namespace kestrum
