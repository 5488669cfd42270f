// SPDX-License-Identifier: MIT
// The files of a conversion run, behind a small interface so that the run
// works the same on disk, in memory (tests, fuzzing, the browser) and with
// injected failures. DiskFileAccess (run/disk_file_access.h) is the real one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "output/text_sink.h"

namespace kestrum {

// A log opened for binary reading.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads from the current position until `buffer` is full, the file ends or
  // a read fails, and returns how many bytes were read. A short count is the
  // end of the file unless Error() tells of a failure.
  virtual std::size_t Read(std::span<std::byte> buffer) = 0;
  // Moves to a byte offset from the start; false when that is not possible.
  [[nodiscard]] virtual bool Seek(std::uint64_t offset) = 0;
  // Why a read failed, in the system's words ("Input/output error"); empty
  // as long as every read succeeded.
  virtual const std::string& Error() const = 0;
  // How many bytes the log holds: what reading from the start delivers when
  // nothing fails. A file that grows while it is read is read to this size;
  // one that shrinks fails. A pipe's size is known only as it arrives: what
  // was read from it so far, all of it once a read has met its end.
  virtual std::uint64_t Size() const = 0;
};

// An ADIF file being written. Nothing replaces the named file until Commit
// succeeds; a file that is dropped without Commit leaves the named file as it
// was before the run, and leaves nothing else behind.
class OutputFile : public TextSink {
 public:
  // Makes the written text the content of the named file; false on failure,
  // in which case the named file is left as it was.
  [[nodiscard]] virtual bool Commit() = 0;
  // Why writing or committing failed, in the system's words; empty as long
  // as nothing failed.
  virtual const std::string& Error() const = 0;
  // True when Commit replaced a file that was there before.
  virtual bool ReplacedExisting() const = 0;
};

// An opened file, or why it could not be opened.
template <typename File>
struct Opened {
  std::unique_ptr<File> file;  // null on failure
  std::string error;           // the system's reason when `file` is null
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // The log at `path`; fails for a file that is missing or unreadable, and
  // for a folder.
  virtual Opened<InputFile> OpenInput(const std::string& path) = 0;
  // A new ADIF file that will take the place of `path` on Commit. With
  // `replaceExisting` false, Commit fails and changes nothing when a file
  // named `path` exists by then.
  virtual Opened<OutputFile> CreateOutput(const std::string& path,
                                          bool replaceExisting) = 0;
  // True when both names lead to the same existing file (also through links
  // or relative paths).
  virtual bool SameFile(const std::string& first,
                        const std::string& second) = 0;
  // True when something exists at `path` (a symbolic link counts, even one
  // that leads nowhere).
  virtual bool Exists(const std::string& path) = 0;
};

}  // namespace kestrum
