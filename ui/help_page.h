// SPDX-License-Identifier: MIT
// The Help button's page: the user guide installed with the program.
#pragma once

#include <wx/string.h>

namespace kestrum {

// The path of the user guide's start page: where the installation put it
// beside the executable (<prefix>/share/kestrum/guide), or, for a program
// run from its build tree, in the source tree it was built from. Empty when
// neither exists.
wxString FindUserGuide();

// Opens `page`, a local file, in the web browser; false when no browser
// could be started.
bool OpenInBrowser(const wxString& page);

}  // namespace kestrum
