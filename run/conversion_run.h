// SPDX-License-Identifier: MIT
// The conversion run: from the Convert command to the closing message box.
// Checks the two file names, opens both files, reads the log header, converts
// every contact record, writes the ADIF file and reports what happened
// through the ConversionUi. The dialog, the command line, the browser page
// and the tests all convert through RunConversion.
#pragma once

#include <string>

#include "core/conversion_options.h"
#include "core/log_header.h"
#include "run/clock.h"
#include "run/conversion_ui.h"
#include "run/file_access.h"

namespace kestrum {

// What a run needs from the world around it.
struct RunEnvironment {
  ConversionUi& ui;
  FileAccess& files;
  Clock& clock;
};

// One conversion: which log, into which ADIF file, with which options.
struct RunRequest {
  std::string inputPath;   // the log; bytes as the file system names it
  std::string outputPath;  // the ADIF file to write
  ConversionOptions options;
  // False: an existing output file is left as it is and nothing is
  // converted (RunStatus::kOutputExists).
  bool replaceExisting = true;
};

enum class RunStatus {
  kConverted,        // closing report shown, no error line
  kMissingFileName,  // an error box asked for the missing file name
  kFileError,        // a file could not be opened, created, read or written,
                     // or the output is the input: reported, no file harmed
  kLogRefused,       // error line: invalid header or unknown version
  kOutputExists,     // replaceExisting was false and the output exists:
                     // nothing converted, no box shown
};

struct RunResult {
  RunStatus status = RunStatus::kConverted;
  int qsosWritten = 0;            // contacts in the ADIF file written
  int qsosIgnored = 0;            // contacts left out as satellite contacts
  bool replacedExisting = false;  // the ADIF file replaced an existing one
  LogHeader header;               // the log's header; version 0 if refused
};

// Converts the log `request.inputPath` into the ADIF file
// `request.outputPath`, replaces the message list once and shows at most one
// message box.
[[nodiscard]] RunResult RunConversion(const RunRequest& request,
                                      RunEnvironment& env);

}  // namespace kestrum
