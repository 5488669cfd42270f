// SPDX-License-Identifier: MIT
// Runs a program as a user would from a shell, and captures what it printed
// and how it ended. POSIX only.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kestrum::testing {

struct ProcessResult {
  int exitStatus = -1;  // the exit status; 128 + the signal when killed
  std::string out;      // standard output, as bytes
  std::string err;      // standard error, as bytes
};

// Runs `program` with `arguments` (not including the program name) in the
// folder `workingDirectory`, with no standard input, and waits for it.
ProcessResult RunProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingDirectory);

}  // namespace kestrum::testing
