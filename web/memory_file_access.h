// SPDX-License-Identifier: MIT
// The files of a conversion in the browser: the log is a buffer the page
// read from the user's file, the ADIF file a string that the page offers as
// a download. Nothing touches a file system.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "run/file_access.h"

namespace kestrum::web {

class InMemoryFileAccess final : public FileAccess {
 public:
  // `log` is the content of the one log there is, whatever name the run
  // opens it by; the caller keeps it alive while the run lasts.
  explicit InMemoryFileAccess(std::span<const std::byte> log) : log_(log) {}

  // A reader over the log; never fails.
  Opened<InputFile> OpenInput(const std::string& path) override;
  // A writer whose text becomes Adif() when it is committed; never fails.
  Opened<OutputFile> CreateOutput(const std::string& path,
                                  bool replaceExisting) override;
  // False: the log and the ADIF text are separate buffers even when the
  // names are equal (a log called "contest.adi").
  bool SameFile(const std::string& first, const std::string& second) override;
  // False: no ADIF file exists before the run makes one.
  bool Exists(const std::string& path) override;

  // The committed ADIF text; empty until a writer commits. Moving it out
  // leaves it empty.
  std::string& Adif() { return adif_; }

 private:
  std::span<const std::byte> log_;
  std::string adif_;
};

}  // namespace kestrum::web
