// SPDX-License-Identifier: MIT
// kestrum-convert: converts ZR contest logs into ADIF files from the command
// line. Run it with --help for the options.
#include <CLI/CLI.hpp>
#include <csignal>
#include <exception>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "cli/console_ui.h"
#include "cli/conversion_plan.h"
#include "cli/convert_logs.h"
#include "cli/exit_status.h"
#include "cli/standard_streams.h"
#include "run/clock.h"

namespace {

using kestrum::cli::ExitStatus;

// Converts the planned logs on disk, reporting on the console.
ExitStatus ConvertOnDisk(const kestrum::cli::ConversionPlan& plan,
                         const kestrum::cli::CommandLine& commandLine) {
  // With the ADIF text on standard output, the messages go to standard
  // error, so that only ADIF reaches the pipe.
  const bool adifOnStandardOutput =
      commandLine.outputPath == kestrum::cli::kStandardStream;
  std::ostream& report = adifOnStandardOutput ? std::cerr : std::cout;
  kestrum::cli::ConsoleUi console(report, std::cerr, commandLine.quiet);
  kestrum::cli::StandardStreamFileAccess files;
  kestrum::SystemClock clock;
  // A folder that could not be searched leaves the batch incomplete.
  ExitStatus status = ExitStatus::kConverted;
  for (const std::string& problem : plan.folderProblems) {
    console.PrintDiagnostic(problem);
    status = ExitStatus::kConversionError;
  }
  if (kestrum::cli::ConvertLogs(plan.conversions, commandLine, console, files,
                                clock) != ExitStatus::kConverted) {
    status = ExitStatus::kConversionError;
  }
  // A report that never arrived (a full disk, a closed pipe) is a failure.
  const std::optional<std::string> failure = console.FinishReport();
  if (failure && !adifOnStandardOutput) {
    console.PrintDiagnostic("could not write to standard output: " + *failure);
    status = ExitStatus::kConversionError;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A reader that goes away early (| head -1) must not end the batch: every
  // log is still converted, and the lost report makes the exit status 1.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  kestrum::cli::CommandLine commandLine;
  CLI::App app;
  kestrum::cli::DefineCommandLine(app, commandLine);
  if (argc <= 1) {
    std::cerr << app.help();
    return static_cast<int>(ExitStatus::kUsageError);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& request) {  // --help or --version
    return app.exit(request);
  } catch (const CLI::ParseError& error) {
    kestrum::cli::PrintUsageError(std::cerr, error.what());
    return static_cast<int>(ExitStatus::kUsageError);
  }

  const kestrum::cli::ConversionPlan plan =
      kestrum::cli::PlanConversions(commandLine);
  if (plan.problem != kestrum::cli::PlanProblem::kNone) {
    kestrum::cli::PrintUsageError(std::cerr, plan.message);
    return static_cast<int>(ExitStatus::kUsageError);
  }
  try {
    return static_cast<int>(ConvertOnDisk(plan, commandLine));
  } catch (const std::exception& failure) {
    // Not a fault of the input, which the engine reports itself, but out of
    // memory or the like: never let it pass for success.
    std::cout.flush();
    std::cerr << kestrum::cli::kDiagnosticPrefix << failure.what() << '\n';
    return static_cast<int>(ExitStatus::kConversionError);
  }
}
