// SPDX-License-Identifier: MIT
// The program's message boxes on Windows: an OK box with the error or the
// information icon, or a Yes/No question, titled with the program's name,
// "Kestrum", whatever the executable is called.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrum::win32 {

// Modal over `owner` (may be null); returns when the user closed the box.
// `text` is 8-bit text in the ANSI code page.
void ShowErrorBox(HWND owner, std::string_view text);
void ShowInformationBox(HWND owner, std::string_view text);

// Asks whether to replace the existing file `path`; No is the default.
// True for Yes.
bool AskToReplace(HWND owner, const std::string& path);

}  // namespace kestrum::win32
