// SPDX-License-Identifier: MIT
// The Help button's page on Windows: the user guide that ships beside the
// program (guide\index.html in the folder of Kestrum.exe), opened in the web
// browser through the shell.
#pragma once

#include <windows.h>

namespace kestrum::win32 {

// Opens the user guide; reports in an error box over `owner` when it is not
// there or no browser could be started. The dialog stays as it was.
void OpenHelpPage(HWND owner);

}  // namespace kestrum::win32
