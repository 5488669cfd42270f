// SPDX-License-Identifier: MIT
// The program's message boxes on Windows: an OK box with the error or the
// information icon, captioned with the program's title, which is the
// executable's file name without its extension ("Kestrum").
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrum::win32 {

// The title of the program: the name of its executable file without folder
// and extension.
std::string ApplicationTitle();

// Modal over `owner` (may be null); returns when the user closed the box.
// `text` is 8-bit text in the ANSI code page.
void ShowErrorBox(HWND owner, std::string_view text);
void ShowInformationBox(HWND owner, std::string_view text);

}  // namespace kestrum::win32
