// SPDX-License-Identifier: MIT
// The files of a conversion run, behind a small interface so that the run
// works the same on disk, in memory (tests, fuzzing) and with injected
// failures. DiskFileAccess is the real one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kestrum {

// A log opened for binary reading.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to buffer.size() bytes and returns how many were read; fewer
  // means the end of the file or a read error (see Failed).
  virtual std::size_t Read(std::span<std::byte> buffer) = 0;
  // Moves to a byte offset from the start; false when that is not possible.
  virtual bool Seek(std::uint64_t offset) = 0;
  // True once a read failed for another reason than the end of the file.
  virtual bool Failed() const = 0;
};

// An ADIF file being written. Nothing replaces the named file until Commit
// succeeds; a file that is dropped without Commit leaves the named file as it
// was before the run.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Appends text; false when it could not be written. After a failure every
  // later call fails as well.
  virtual bool Write(std::string_view text) = 0;
  // Makes the written text the content of the named file; false on failure,
  // in which case the named file is left as it was.
  virtual bool Commit() = 0;
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // The log at `path`, or null when it cannot be opened for reading (missing,
  // unreadable, a folder).
  virtual std::unique_ptr<InputFile> OpenInput(const std::string& path) = 0;
  // A new ADIF file that will replace `path` on Commit, or null when it cannot
  // be created.
  virtual std::unique_ptr<OutputFile> CreateOutput(const std::string& path) = 0;
  // True when both names lead to the same file (also through links or
  // relative paths).
  virtual bool SameFile(const std::string& first,
                        const std::string& second) = 0;
};

// Files on disk. The ADIF text goes into a temporary file beside the target
// (opened in text mode, so line ends follow the platform) and is renamed over
// the target on Commit; a target that is not a regular file, such as a
// device, is written directly.
class DiskFileAccess final : public FileAccess {
 public:
  std::unique_ptr<InputFile> OpenInput(const std::string& path) override;
  std::unique_ptr<OutputFile> CreateOutput(const std::string& path) override;
  bool SameFile(const std::string& first, const std::string& second) override;
};

}  // namespace kestrum
