// SPDX-License-Identifier: MIT
// The ADIF file a log is converted into when the command line names none.
// The dialog proposes its output path by a rule of its own; this one is for
// the command line only.
#pragma once

#include <string>
#include <string_view>

namespace kestrum::cli {

// The extension every default output file gets.
inline constexpr char kAdifExtension[] = ".adi";

// `logPath` with the extension of its file name replaced by ".adi", in the
// same folder: "contest.bin" gives "contest.adi", "contest.BIN.old" gives
// "contest.BIN.adi", "logs.2011/contest" gives "logs.2011/contest.adi".
// The extension runs from the last '.' of the file name (the part after the
// last path separator); a name without one, or whose only '.' is its first
// character (".bin"), gets ".adi" appended. The path is treated as bytes.
// A log whose name already ends in ".adi" gives itself back; callers must
// refuse that rather than overwrite the log.
std::string DefaultOutputPath(std::string_view logPath);

// The name of `path` within its folder: what follows its last separator.
std::string_view FileNameOf(std::string_view path);

// `step` (a name, or '/'-separated steps) within `folder`: "logs" and
// "a.adi" give "logs/a.adi". A folder that ends in a separator gets no
// second one; an empty folder gives `step` alone.
std::string PathInFolder(std::string_view folder, std::string_view step);

}  // namespace kestrum::cli
