// SPDX-License-Identifier: MIT
// Which log is converted into which ADIF file: the LOG arguments and the
// -o option of the command line, checked before any conversion starts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrum::cli {

// One conversion of the batch.
struct Conversion {
  std::string logPath;     // as given on the command line, bytes unchanged
  std::string outputPath;  // as given with -o, or DefaultOutputPath(logPath)
};

enum class PlanProblem {
  kNone,
  kNoLog,                  // no LOG argument
  kOutputWithSeveralLogs,  // -o given with more than one LOG
  kOutputIsLog,            // a default output would be the log itself
  kSharedOutput,           // two logs would be written to the same file
};

struct ConversionPlan {
  PlanProblem problem = PlanProblem::kNone;
  std::string message;  // for people; empty when problem is kNone
  std::vector<Conversion> conversions;  // in the order of the LOGs; empty
                                        // when there is a problem
};

// Pairs each of `logPaths` with its output file: `outputPath` for a single
// log, otherwise the default output of each. Refuses a batch in which two
// logs would overwrite each other's output, and a log whose default output
// is the log itself. Outputs are compared by where they lead (the identity
// of their folder and their name), not by their spelling. A path
// given with -o is not compared with its log here: the conversion run
// refuses an output that is its input.
ConversionPlan PlanConversions(const std::vector<std::string>& logPaths,
                               const std::optional<std::string>& outputPath);

}  // namespace kestrum::cli
