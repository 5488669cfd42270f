// SPDX-License-Identifier: MIT
// The Help button's page: the user guide installed with the program, and
// the web browser that shows it.
#pragma once

#include <wx/string.h>

#include <functional>

namespace kestrum {

// The path of the user guide's start page: where the installation put it
// beside the executable (<prefix>/share/kestrum/guide), or, for a program
// run from its build tree, in the source tree it was built from. Empty when
// neither exists.
wxString FindUserGuide();

// Opens `page`, a local file, in the web browser. When it cannot be shown,
// `onFailure` is called: at once when no browser could be started, or later
// from the event loop when the browser ended in failure right after it was
// started (as a browser that refuses to run for root does).
//
// On Linux the desktop's opener, xdg-open, starts the browser the user
// chose; it is run as a child process and watched for kFailureWindow. An
// opener still running by then has handed the page to a browser, and
// whatever it does later says nothing about the page.
void OpenInBrowser(const wxString& page, std::function<void()> onFailure);

// How long after its start a failing opener counts as a failure to show
// the page, in milliseconds.
inline constexpr long kFailureWindowMs = 10000;

}  // namespace kestrum
