// SPDX-License-Identifier: MIT
// The program's message boxes: owned by a window, titled with the program's
// name ("Kestrum"), each with its icon. On GTK they are drawn by wxWidgets
// itself, since GTK's own boxes show no icon.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace kestrum {

// A box with the error icon and an OK button.
void ShowErrorBox(wxWindow* owner, const wxString& text);

// A box with the information icon and an OK button.
void ShowInformationBox(wxWindow* owner, const wxString& text);

// Asks whether to replace the existing file `path` (as shown), with Yes and
// No, No the default; true for Yes.
bool AskToReplace(wxWindow* owner, const wxString& path);

}  // namespace kestrum
