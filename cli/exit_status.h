// SPDX-License-Identifier: MIT
// The exit status of kestrum-convert: what a script that runs it can branch
// on. A conversion that reported an error never exits with kConverted.
#pragma once

namespace kestrum::cli {

enum class ExitStatus {
  kConverted = 0,        // every log was converted without an error
  kConversionError = 1,  // at least one log reported an error; the others ran
  kUsageError = 2,       // the command line was not understood; nothing ran
};

}  // namespace kestrum::cli
