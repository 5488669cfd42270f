// SPDX-License-Identifier: MIT
// The conversion run: from the Convert command to the closing message box.
// Checks the two file names, opens both files, reads the log header, converts
// every contact record, writes the ADIF file and reports what happened
// through the ConversionUi. The dialog, the command line and the tests all
// convert through RunConversion.
#pragma once

#include <string>

#include "core/clock.h"
#include "core/conversion_context.h"
#include "core/conversion_ui.h"
#include "core/file_access.h"
#include "core/log_header.h"
#include "core/message_log.h"

namespace kestrum {

// What a run needs from the world around it.
struct RunEnvironment {
  ConversionUi& ui;
  FileAccess& files;
  Clock& clock;
};

enum class RunStatus {
  kConverted,        // closing report shown, no error line
  kMissingFileName,  // an error box asked for the missing file name
  kFileError,        // a file could not be opened, created, read or written,
                     // or the output is the input: reported, no file harmed
  kLogRefused,       // error line: invalid header or unknown version
};

struct RunResult {
  RunStatus status = RunStatus::kConverted;
  int qsosWritten = 0;
};

// Converts the log `inputFileName` into the ADIF file `outputFileName` with
// the options in `context`. Fills `header` and the run fields of `context`,
// replaces the message list and shows one message box.
RunResult RunConversion(const std::string& inputFileName,
                        const std::string& outputFileName, LogHeader& header,
                        ConversionContext& context, RunEnvironment& env);

// The record loop: decodes every record behind the header, translates each
// contact with a call, flushes the last line and adds the summary lines.
// `file` is positioned at the first record. Returns false when the log could
// not be read to its end (an error line says where).
bool ConvertRecords(MessageLog& log, InputFile& file, const LogHeader& header,
                    ConversionContext& context, Clock& clock,
                    const std::string& inputFileName);

}  // namespace kestrum
