// SPDX-License-Identifier: MIT
// The batch: every planned conversion in turn, each a conversion run of its
// own, and the exit status of the whole.
#pragma once

#include <vector>

#include "cli/command_line.h"
#include "cli/console_ui.h"
#include "cli/conversion_plan.h"
#include "cli/exit_status.h"
#include "run/clock.h"
#include "run/file_access.h"

namespace kestrum::cli {

// Converts each of `conversions` in order with the options of
// `commandLine`, reporting on `console`; an output folder still missing
// below -d is made first. An existing ADIF file is replaced, with a note
// on standard error unless quiet, or with --no-clobber left as it is and
// its log skipped with a note. A log that fails does not stop the ones
// after it. Returns kConverted when every run converted (or was skipped)
// without an error, else kConversionError.
ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const CommandLine& commandLine, ConsoleUi& console,
                       FileAccess& files, Clock& clock);

}  // namespace kestrum::cli
