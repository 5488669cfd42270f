// SPDX-License-Identifier: MIT
// The two file choosers of the main dialog on Windows, the system's common
// "Open" and "Save As" dialogs. Paths are 8-bit text in the ANSI code page
// and at most MAX_PATH - 1 (259) characters long, as the system's "A"
// functions take them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kestrum::win32 {

// The filters of the choosers as the system wants them: pairs of
// description and patterns, each ended by NUL, the list by a second NUL
// (the literal's own). The first pair is the one chosen at the start.
inline constexpr char kInputFilters[] = "BIN Files\0*.bin;\0All Files\0*.*\0";
inline constexpr char kOutputFilters[] =
    "ADIF Files\0*.adi;*.adif\0All Files\0*.*\0";

// Asks for the log to convert, starting from `current` (the chosen log), or
// when that is empty in `folder` (may be empty too). Returns the full path
// of an existing file, or nullopt when the user cancelled or the chooser
// failed.
std::optional<std::string> ChooseInputFile(HWND owner,
                                           const std::string& current,
                                           const std::string& folder);

// Asks for the ADIF file to write, proposing `proposal`, or when that is
// empty starting in `folder`; a name typed without extension gets ".adi",
// and the chooser asks before that file, too, is overwritten. Returns the
// full path, or nullopt when the user cancelled or the chooser failed. A
// proposal too long for the chooser is not offered, since a shortened path
// would name another file.
std::optional<std::string> ChooseOutputFile(HWND owner,
                                            const std::string& proposal,
                                            const std::string& folder);

}  // namespace kestrum::win32
