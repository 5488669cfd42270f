// SPDX-License-Identifier: MIT
// Runs a program as a user would from a shell, and captures what it printed
// and how it ended. POSIX only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrum::testing {

struct ProcessResult {
  int exitStatus = -1;  // the exit status; 128 + the signal when killed
  std::string out;      // standard output, as bytes
  std::string err;      // standard error, as bytes
};

// How the program's standard streams are connected besides the defaults:
// standard input empty (/dev/null), the two outputs captured.
struct ProcessStreams {
  // Fed to standard input through a pipe, as a shell pipeline would.
  std::optional<std::string> input;
  // Standard output is a pipe whose reader has gone, as after `| head -1`:
  // every write to it fails with EPIPE (or raises SIGPIPE). `out` stays
  // empty.
  bool outputReaderGone = false;
};

// Runs `program` with `arguments` (not including the program name) in the
// folder `workingDirectory` and waits for it. The program starts with the
// default action for every signal, whatever the test process set.
ProcessResult RunProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingDirectory,
                         const ProcessStreams& streams = {});

}  // namespace kestrum::testing
