// SPDX-License-Identifier: MIT
// Hooks for the desktop test, which cannot read a list box through the
// window system nor drag files. Each does something only when its
// environment variable is set; without them the program behaves and writes
// exactly as without this file.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

namespace kestrum {

// When KESTRUM_UI_TRACE names a file, appends one line "<what>\t<text>" to
// it, in UTF-8: a record of what the dialog shows.
void TraceShown(const char* what, const wxString& text);

// The paths in KESTRUM_UI_DROP, one per line, which the dialog takes as
// dropped on it once it is shown; none without it.
wxArrayString TestDropPaths();

}  // namespace kestrum
