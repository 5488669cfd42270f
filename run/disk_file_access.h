// SPDX-License-Identifier: MIT
// Files on disk, and the process's standard input and output.
#pragma once

#include <string>

#include "run/file_access.h"

namespace kestrum {

// The ADIF text goes into a temporary file beside the target (opened in text
// mode, so line ends follow the platform) and takes the target's place on
// Commit; a target that is not a regular file, such as a device, is written
// directly.
class DiskFileAccess final : public FileAccess {
 public:
  Opened<InputFile> OpenInput(const std::string& path) override;
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  bool SameFile(const std::string& first, const std::string& second) override;
  bool Exists(const std::string& path) override;

  // The log on standard input (a pipe, a file or a terminal), read in binary.
  Opened<InputFile> OpenStandardInput();
  // ADIF text for standard output, written as it comes; Commit flushes it.
  Opened<OutputFile> CreateStandardOutput();
};

}  // namespace kestrum
