// SPDX-License-Identifier: MIT
// A new file that takes the place of a target file only once it is
// complete, so that a failure or an interruption leaves the target as it
// was and nothing else behind.
//
// POSIX: the new file is made in the target's folder without a name
// (O_TMPFILE) where the file system allows it, or else under a short
// hidden name that SIGINT, SIGTERM and SIGHUP remove (run/signal_cleanup.h).
// At Commit its data go to the disk, it is linked in and renamed over the
// target, and the folder goes to the disk. Only SIGKILL, a crash or a power
// cut between the link and the rename, or while a named file exists, can
// leave a ".kestrum-*.tmp" beside the target.
//
// Windows: the new file has a short hidden name and is marked for deletion
// until Commit, so the system removes it whatever ends the process; at
// Commit it is flushed with FlushFileBuffers and moved over the target with
// MoveFileEx(MOVEFILE_WRITE_THROUGH).
//
// A target reached through symbolic links is replaced where the links lead;
// the links stay. A target that exists and is not a regular file (a device
// such as /dev/null, a FIFO) is written directly.
#pragma once

#include <memory>
#include <string>

#include "run/system_file.h"

namespace kestrum {

class ReplacementFile {
 public:
  // How the new file is kept until Commit.
  enum class Naming {
    kUnnamedWherePossible,  // O_TMPFILE where it works, else a short name
    kNamed,                 // always a short name (to test that way)
  };

  struct Created {
    std::unique_ptr<ReplacementFile> file;  // null on failure
    std::string error;                      // the system's reason then
  };

  // Starts a new file for `path` (8-bit bytes; ANSI code page on Windows).
  // Fails, touching nothing, when the target cannot be written by this
  // user: a folder, a read-only file ("Permission denied"), another user's
  // file this user may not write, a loop of symbolic links. A replaced
  // file's mode is kept, and its owner and group where the process may
  // change them. With `replaceExisting` false, Commit fails with "File
  // exists" when a file of that name is there by then.
  static Created Create(const std::string& path, bool replaceExisting,
                        Naming naming = Naming::kUnnamedWherePossible);

  // Without a successful Commit, the new file disappears.
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Where the new text goes.
  SystemFile& File();

  // Puts the new file in the target's place; false with `error` set on
  // failure, in which case the target is as it was.
  bool Commit(std::string& error);

  // After Commit: the new file replaced one that was there.
  bool ReplacedExisting() const;

  struct State;  // what each platform keeps

 private:
  explicit ReplacementFile(std::unique_ptr<State> state);

  std::unique_ptr<State> state_;
};

}  // namespace kestrum
