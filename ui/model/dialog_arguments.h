// SPDX-License-Identifier: MIT
// The command line of the dialog program: `kestrum [LOG]` (`Kestrum.exe
// [LOG]` on Windows), as a file manager starts it for a log. LOG is chosen
// as if with the "ZR BIN" button; a second file is ignored with a message,
// since the dialog converts one log at a time. "--help" and "--version"
// print and end; "--" ends the options, so that a log may begin with '-'.
// Other options belong to the toolkit (GTK's --display=:1 or --display :1)
// and are left to it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrum {

struct DialogArguments {
  std::optional<std::string> log;    // the first file argument
  std::vector<std::string> ignored;  // every further file argument
  bool help = false;                 // "--help" or "-h"
  bool version = false;              // "--version"
};

// `arguments` without the program's name, as the system passed them.
DialogArguments ParseDialogArguments(const std::vector<std::string>& arguments);

}  // namespace kestrum
