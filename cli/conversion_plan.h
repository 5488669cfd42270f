// SPDX-License-Identifier: MIT
// Which log is converted into which ADIF file: the LOG arguments (files,
// folders, - for standard input) and the -o and -d options of the command
// line, checked before any conversion starts.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"

namespace kestrum::cli {

// The name under -d of the ADIF file of a log read from standard input.
inline constexpr char kStandardInputOutputName[] = "stdin.adi";

// One conversion of the batch.
struct Conversion {
  std::string logPath;       // as given (or found in a folder given), bytes
                             // unchanged; "-" for standard input
  std::string outputPath;    // the -o FILE ("-" for standard output), else
                             // the default output, beside the log or in -d DIR
  std::string folderToMake;  // with -d and -r, the output's folder below
                             // DIR, made before the run; empty otherwise
};

enum class PlanProblem {
  kNone,
  kNoLog,                  // no LOG argument
  kOutputWithSeveralLogs,  // -o given with more than one log
  kOutputIsLog,            // an output would be a log of the batch
  kSharedOutput,           // two logs would be written to the same file
  kStandardInputUnnamed,   // - without -o or -d
  kStandardInputTwice,     // - given more than once
  kNoOutputFolder,         // -d names no folder
};

struct ConversionPlan {
  PlanProblem problem = PlanProblem::kNone;
  std::string message;  // for people; empty when problem is kNone
  std::vector<Conversion> conversions;  // in the order of the LOGs, each
                                        // folder's logs in name order;
                                        // empty when there is a problem
  // What went wrong with the folders given, one diagnostic each: a folder
  // that could not be read, or that holds no log. The batch goes on
  // without them but does not end in success.
  std::vector<std::string> folderProblems;
};

// Pairs each log of the command line with its output file: -o FILE for a
// single log, otherwise the default output of each, beside the log or in
// -d DIR (keeping the layout below a folder LOG with -r). Refuses a batch
// in which two logs would be written to the same file or a log would be
// overwritten by an output; files are compared by where they lead (the
// folder's identity and the name), not by their spelling. A path given with
// -o is not compared with its log here: the conversion run refuses an
// output that is its input.
ConversionPlan PlanConversions(const CommandLine& commandLine);

}  // namespace kestrum::cli
