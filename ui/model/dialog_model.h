// SPDX-License-Identifier: MIT
// DialogModel: the state of the main dialog apart from its windows: the
// chosen input and output files and the options the check boxes store. The
// window class forwards what the user did here and shows what this holds;
// nothing in this file knows a toolkit, so tests drive it without a display.
//
// Paths are kept as the bytes the file system uses for them (UTF-8 on
// Linux, the ANSI code page on Windows), exactly as the conversion run opens
// them.
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

  // A log was chosen (with the chooser, by a drop or on the command line):
  // it becomes the input, and the output becomes the log's own ADIF name,
  // ProposeOutputPath. So a new log never writes into the ADIF file of the
  // log before it; an ADIF file the user chose holds until the next log.
  void AcceptInput(std::string path);

  // The output chooser confirmed `path` (having asked before replacing an
  // existing file). It is the output until the next log is chosen.
  void AcceptOutput(std::string path);

  // Where the output chooser starts: the output as it stands, which is the
  // proposal for the log or the file the user chose; "" without either.
  const std::string& OutputChooserStart() const { return outputPath_; }

  // True while the output is a proposal nobody has confirmed: Convert must
  // not replace an existing file of that name without asking.
  bool OutputNeedsConfirmation() const { return !outputConfirmed_; }

  // The user agreed to replace the output, or a run of this dialog has
  // written it: later runs write it again without asking.
  void ConfirmOutput() { outputConfirmed_ = true; }

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

  // What Convert asks of a run: the two files and the options. An output
  // that still needs confirmation is not replaced if it exists
  // (RunStatus::kOutputExists); the dialog then asks and runs again.
  RunRequest Request() const {
    return {inputPath_, outputPath_, options_, !OutputNeedsConfirmation()};
  }

 private:
  std::string inputPath_;
  std::string outputPath_;
  bool outputConfirmed_ = false;
  ConversionOptions options_;
};

// The ADIF file proposed for the log `inputPath`, in the log's folder: the
// extension of the file name (from its last '.') replaced by ".adi";
// "cq.BIN.old" gives "cq.BIN.adi". A name without an extension, or whose
// only '.' starts it (".zrlog"), gets ".adi" appended, so that the proposal
// never names the log itself; a '.' in a folder name is no extension. No
// input proposes "". The path is kept whole whatever its length: a
// shortened path would name another file.
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

}  // namespace kestrum
