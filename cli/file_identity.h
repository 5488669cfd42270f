// SPDX-License-Identifier: MIT
// Telling whether two paths of a batch lead to the same file, whatever their
// spelling: "a.adi", "./a.adi", "$PWD/a.adi" and a path through a symbolic
// link to the same folder all name one file. Paths are compared by where
// they lead on the file system, not as texts, and need not exist yet.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace kestrum::cli {

// A file or folder that exists: its device and inode (on Windows, its
// volume and file index), with symbolic links followed.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FileId&) const = default;
};

// The FileId of `path`, or nothing when it cannot be looked up (missing,
// not accessible).
std::optional<FileId> IdentifyFile(const std::string& path);

enum class StandardStream { kInput, kOutput };

// The FileId of the file behind standard input or output, when that is a
// regular file (`< log.bin`, `> out.adi`); nothing for a pipe, a terminal or
// a device, which are never a log or an ADIF file of the batch.
std::optional<FileId> IdentifyStandardStream(StandardStream stream);

// Where a file of the name `path` is or would be: the deepest folder of
// the path that exists, and the steps below it (folders still to be made
// and the file name), lexically normalised. Two paths with equal places
// name the same file. A folder that cannot be looked up is stood in for
// by its absolute, normalised spelling, which still tells most cases apart.
struct FilePlace {
  FileId folder;
  std::string rest;
  auto operator<=>(const FilePlace&) const = default;
};

FilePlace PlaceOf(const std::string& path);

}  // namespace kestrum::cli
