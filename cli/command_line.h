// SPDX-License-Identifier: MIT
// The command line of kestrum-convert: one flag per check box of the
// conversion dialog, where the ADIF files go, how much is printed, the LOG
// arguments, and the texts shown for --help, --version and a usage error.
// Parsing is CLI11's; this file only declares what there is to parse and where
// each value goes.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/conversion_options.h"

namespace kestrum::cli {

inline constexpr char kProgramName[] = "kestrum-convert";
inline constexpr char kUsageErrorPrefix[] = "kestrum-convert: error: ";

// What the command line asks for.
struct CommandLine {
  // The dialog's defaults until a flag changes them.
  ConversionOptions options;
  std::vector<std::string> logPaths;        // in the order given, bytes
                                            // unchanged
  std::optional<std::string> outputPath;    // -o, --output
  std::optional<std::string> outputFolder;  // -d, --output-dir
  bool recursive = false;                   // -r, --recursive
  bool noClobber = false;                   // -n, --no-clobber
  bool quiet = false;                       // -q, --quiet
};

// Declares the options and the LOG arguments on `app`, together with the
// --help and --version texts. Parsing `app` stores into `commandLine`, which
// must outlive every parse. A flag given twice means the same as once.
void DefineCommandLine(CLI::App& app, CommandLine& commandLine);

// Prints "kestrum-convert: error: ", `message` and the short usage text that
// tells where the help is.
void PrintUsageError(std::ostream& err, std::string_view message);

}  // namespace kestrum::cli
