// SPDX-License-Identifier: MIT
// A record of what the dialog shows, for the desktop test, which cannot
// read a list box through the window system. Only when the environment
// variable KESTRUM_UI_TRACE names a file does anything happen: each call
// appends one line "<what>\t<text>" in UTF-8. Without it the program
// behaves and writes exactly as without this file.
#pragma once

#include <wx/string.h>

namespace kestrum {

void TraceShown(const char* what, const wxString& text);

}  // namespace kestrum
