// SPDX-License-Identifier: MIT
// The about box on Windows: dialog template 100 of kestrum.rc, with the
// icon, the version line, the rights and licence lines and OK. It changes
// nothing.
#pragma once

#include <windows.h>

namespace kestrum::win32 {

// Shows the about box modally over `owner` until OK, Enter, Escape or its
// close box ends it.
void ShowAboutBox(HINSTANCE instance, HWND owner);

}  // namespace kestrum::win32
