// SPDX-License-Identifier: MIT
// DialogModel: the state of the main dialog apart from its windows: the
// chosen input and output files and the options the check boxes store. The
// window
// class forwards what the user did here and shows what this holds; nothing
// in this file knows a toolkit, so tests drive it without a display.
//
// Paths are kept as the bytes the file system uses for them (UTF-8 on
// Linux), exactly as the conversion run opens them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/conversion_options.h"
#include "run/conversion_run.h"

namespace kestrum {

class DialogModel {
 public:
  // A fresh dialog: no files, "Seconds" and "Frequency" on, every other
  // option off.
  DialogModel() = default;

  const std::string& InputPath() const { return inputPath_; }
  const std::string& OutputPath() const { return outputPath_; }

  // The input chooser (or a drop) delivered `path`. The output file stays
  // as it was.
  void AcceptInput(std::string path) { inputPath_ = std::move(path); }

  // What the output chooser starts from: ProposeOutputPath of the input.
  // Asking changes nothing, so a cancelled chooser leaves the output file the
  // user accepted before (or none), and a later run never writes to a file
  // the user did not accept.
  std::string OutputProposal() const;

  // The output chooser delivered `path`.
  void AcceptOutput(std::string path) { outputPath_ = std::move(path); }

  // Stores the option of check box `boxId` (a ControlId), which the user has
  // just clicked into the state `checked`. Returns false, storing nothing,
  // for an id that is not an option box.
  bool ClickOption(int boxId, bool checked);

  // Whether option box `boxId` shows as checked for the stored options;
  // nullopt for an id that is not an option box. At start this gives each
  // box its first state.
  std::optional<bool> IsOptionChecked(int boxId) const;

  // The options as the boxes have set them; they change only through
  // ClickOption.
  const ConversionOptions& Options() const { return options_; }

  // What Convert asks of a run: the two files and the options.
  RunRequest Request() const { return {inputPath_, outputPath_, options_}; }

 private:
  std::string inputPath_;
  std::string outputPath_;
  ConversionOptions options_;
};

// The output file name proposed for the log `inputPath`: the path with
// everything from its last '.' on replaced by ".adi". A path without '.' is
// proposed unchanged (the run refuses to write over its own input); no input
// proposes "". The chooser shows the proposal for the user to confirm or
// change, so a '.' in a folder name is taken as it comes. The path is kept
// whole whatever its length: a shortened path would name another file.
std::string ProposeOutputPath(std::string_view inputPath);

// `path` as typed into the output chooser, with ".adi" appended when its
// file name has no extension ("mylog" gives "mylog.adi"; "my.log" stays).
std::string WithAdifExtension(std::string_view path);

// The folder part of `path`, without the separator after it; "" for a bare
// file name.
std::string FolderOf(std::string_view path);

// The file name part of `path`.
std::string_view FileNameOf(std::string_view path);

// The logs among dropped `paths` (existing regular files, as the file
// manager hands them over): those whose names end in ".bin" in any letter
// case, in the order given. One log is chosen; several are each converted.
std::vector<std::string> DroppedLogs(const std::vector<std::string>& paths);

// The log that a drop of `paths` (existing regular files, as the file
// manager hands them over) chooses as input: the first one whose name ends
// in ".bin" in any letter case; nullopt when there is none.
std::optional<std::string> PickDroppedLog(
    const std::vector<std::string>& paths);

}  // namespace kestrum
