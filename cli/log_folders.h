// SPDX-License-Identifier: MIT
// The folders of a batch: the logs in a folder given as LOG (every ZR log,
// ".bin" in any letter case, in it and with -r in its subfolders, in the
// order of their names), and the output folders that -d with -r makes.
// What each log is converted into is the batch plan's business.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrum::cli {

// Nothing when `path` is a folder (also through a symbolic link), else the
// system's reason why not: "No such file or directory", "Not a directory".
std::optional<std::string> FolderProblem(const std::string& path);

struct FoundLog {
  std::string path;       // the folder as given, then the steps to the log
  std::string subfolder;  // the steps from the folder to the log's own
                          // folder, '/'-separated; empty for the folder's
                          // own logs
};

struct FolderSearch {
  std::vector<FoundLog> logs;
  // One line per folder that could not be read: its path, ": " and the
  // system's reason. The logs of the other folders are still found.
  std::vector<std::string> problems;
};

// The logs in `folder`: each regular file, or symbolic link to one, whose
// name ends in ".bin" in any letter case and does not start with '.' (as
// the shell's * leaves such names out). Names are sorted by their bytes.
// With `recursive` the subfolders are searched too, each at the place of
// its name among the files; symbolic links to folders are not followed,
// so a link that loops back cannot make the search endless, and neither
// can a folder mounted inside itself. A FIFO or device named .bin is left
// out: reading it could wait for ever.
FolderSearch FindLogs(const std::string& folder, bool recursive);

// Makes the folder `path` and the folders above it that are missing, as
// `mkdir -p` does. Nothing when the folder is there afterwards; else the
// system's reason why not.
std::optional<std::string> MakeFolders(const std::string& path);

}  // namespace kestrum::cli
