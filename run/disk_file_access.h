// SPDX-License-Identifier: MIT
// Files on disk, and the process's standard input and output.
//
// Logs: a regular file is read up to the size it had when it was opened; a
// pipe, a FIFO or standard input is read to its end, up to kPipeLimit, and
// kept in an unnamed scratch file so that the run can read it twice; a
// device (/dev/zero, a terminal) or a folder is refused before it is read.
//
// ADIF files: the text goes into a new file beside the target, which takes
// the target's place only when it is complete and on the disk
// (run/replacement_file.h says how, per platform); a failed or interrupted
// run leaves the target as it was. A target the user may not write is
// refused before the log is read. Every failure carries the system's reason
// in its own words.
#pragma once

#include <cstdint>
#include <string>

#include "run/file_access.h"
#include "run/replacement_file.h"

namespace kestrum {

class DiskFileAccess final : public FileAccess {
 public:
  // The most bytes read from a pipe: a log longer than that stops the run
  // with an error and nothing written.
  static constexpr std::uint64_t kPipeLimit = std::uint64_t{1} << 31;  // 2 GiB

  // `pipeLimit` and `naming` are there for tests; the defaults are what
  // the programs use.
  explicit DiskFileAccess(std::uint64_t pipeLimit = kPipeLimit,
                          ReplacementFile::Naming naming =
                              ReplacementFile::Naming::kUnnamedWherePossible)
      : pipeLimit_(pipeLimit), naming_(naming) {}

  Opened<InputFile> OpenInput(const std::string& path) override;
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  bool SameFile(const std::string& first, const std::string& second) override;
  bool Exists(const std::string& path) override;

  // The log on standard input (a pipe or a file), read in binary.
  Opened<InputFile> OpenStandardInput();
  // ADIF text for standard output, written as it comes; Commit flushes it.
  Opened<OutputFile> CreateStandardOutput();

 private:
  std::uint64_t pipeLimit_;
  ReplacementFile::Naming naming_;
};

}  // namespace kestrum
