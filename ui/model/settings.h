// SPDX-License-Identifier: MIT
// What the dialogs keep between sessions, and under which names: the folder
// each file chooser last took a file from, so that it opens there again.
// Nothing else is kept; the options start as a fresh dialog sets them. The
// wxWidgets dialog keeps these in its configuration file, the Windows
// dialog in the registry under HKEY_CURRENT_USER\Software\Kestrum.
#pragma once

namespace kestrum::setting {

inline constexpr char kRegistryKey[] = "Software\\Kestrum";
inline constexpr char kInputFolder[] = "InputFolder";
inline constexpr char kOutputFolder[] = "OutputFolder";

}  // namespace kestrum::setting
