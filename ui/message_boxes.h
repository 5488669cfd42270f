// SPDX-License-Identifier: MIT
// The program's message boxes: owned by a window, captioned with the
// application's name ("kestrum", from the executable's file name).
#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace kestrum {

// A box with the error icon and an OK button.
void ShowErrorBox(wxWindow* owner, const wxString& text);

// A box with the information icon and an OK button.
void ShowInformationBox(wxWindow* owner, const wxString& text);

}  // namespace kestrum
