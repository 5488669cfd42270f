// SPDX-License-Identifier: MIT
// CAboutDlg: the about box, with the icon, the program's version, its
// rights line and its licence. OK, Enter, Escape and the close box close
// it; it changes nothing.
#pragma once

#include <wx/dialog.h>

namespace kestrum {

class CAboutDlg final : public wxDialog {
 public:
  // `owner` is the main dialog, which the box stays above.
  explicit CAboutDlg(wxWindow* owner);
};

}  // namespace kestrum
