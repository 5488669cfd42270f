// SPDX-License-Identifier: MIT
// "-" as a file name: standard input where a log is read, standard output
// where the ADIF file is written. Every other name is a file on disk.
#pragma once

#include <string>

#include "run/disk_file_access.h"
#include "run/file_access.h"

namespace kestrum::cli {

// The name of standard input as a LOG and of standard output as -o FILE.
inline constexpr char kStandardStream[] = "-";

// DiskFileAccess with "-" mapped to the standard streams. Standard output
// never exists beforehand, so --no-clobber does not hold it back, and it is
// the log only when both are the same regular file (`-o - log.bin >>
// log.bin`); the same holds for standard input.
class StandardStreamFileAccess final : public FileAccess {
 public:
  Opened<InputFile> OpenInput(const std::string& path) override;
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  // `first` is the log, `second` the ADIF file, as the run asks.
  bool SameFile(const std::string& first, const std::string& second) override;
  bool Exists(const std::string& path) override;

 private:
  DiskFileAccess disk_;
};

}  // namespace kestrum::cli
