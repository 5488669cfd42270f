// SPDX-License-Identifier: MIT
#include "cli/conversion_plan.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "cli/default_output.h"
#include "cli/file_identity.h"
#include "cli/log_folders.h"
#include "cli/standard_streams.h"

namespace kestrum::cli {

namespace {

ConversionPlan Refuse(PlanProblem problem, std::string message) {
  ConversionPlan plan;
  plan.problem = problem;
  plan.message = std::move(message);
  return plan;
}

// A log to convert, and where it was found.
struct Log {
  std::string path;
  std::string subfolder;  // below the folder LOG it was found in
};

// Where the ADIF file of `log` goes when -o names none.
Conversion DefaultConversion(const Log& log, const CommandLine& commandLine) {
  if (!commandLine.outputFolder) {
    return {log.path, DefaultOutputPath(log.path), ""};
  }
  const std::string& outputFolder = *commandLine.outputFolder;
  if (log.path == kStandardStream) {
    return {log.path, PathInFolder(outputFolder, kStandardInputOutputName), ""};
  }
  const std::string name = DefaultOutputPath(FileNameOf(log.path));
  if (log.subfolder.empty()) {
    return {log.path, PathInFolder(outputFolder, name), ""};
  }
  std::string folder = PathInFolder(outputFolder, log.subfolder);
  std::string output = PathInFolder(folder, name);
  return {log.path, std::move(output), std::move(folder)};
}

}  // namespace

ConversionPlan PlanConversions(const CommandLine& commandLine) {
  if (commandLine.logPaths.empty()) {
    return Refuse(PlanProblem::kNoLog, "no LOG given");
  }
  if (commandLine.outputFolder) {
    if (std::optional<std::string> problem =
            FolderProblem(*commandLine.outputFolder)) {
      return Refuse(
          PlanProblem::kNoOutputFolder,
          "--output-dir " + *commandLine.outputFolder + ": " + *problem);
    }
  }

  // Every log of the batch, the folders given opened up.
  std::vector<Log> logs;
  std::vector<std::string> folderProblems;
  int standardInputs = 0;
  for (const std::string& argument : commandLine.logPaths) {
    if (argument == kStandardStream) {
      if (++standardInputs > 1) {
        return Refuse(PlanProblem::kStandardInputTwice,
                      "standard input (-) can be read only once");
      }
      logs.push_back({argument, ""});
      continue;
    }
    if (FolderProblem(argument)) {  // not a folder: a log for the run
      logs.push_back({argument, ""});
      continue;
    }
    FolderSearch search = FindLogs(argument, commandLine.recursive);
    if (search.logs.empty() && search.problems.empty()) {
      folderProblems.push_back("no ZR log (.bin) in folder " + argument);
    }
    for (FoundLog& found : search.logs) {
      logs.push_back({std::move(found.path), std::move(found.subfolder)});
    }
    for (const std::string& problem : search.problems) {
      folderProblems.push_back("could not read folder " + problem);
    }
  }

  ConversionPlan plan;
  plan.folderProblems = std::move(folderProblems);
  if (commandLine.outputPath) {
    if (logs.size() > 1) {
      const std::size_t given = commandLine.logPaths.size();
      return Refuse(
          PlanProblem::kOutputWithSeveralLogs,
          "--output names the file of a single LOG, but " +
              (given > 1
                   ? std::to_string(given) + " LOGs were given"
                   : "folder " + commandLine.logPaths.front() + " holds " +
                         std::to_string(logs.size()) + " logs"));
    }
    if (!logs.empty()) {
      plan.conversions.push_back(
          {logs.front().path, *commandLine.outputPath, ""});
    }
    return plan;
  }

  // The place of every log, so that no output is written over one.
  std::map<FilePlace, const Log*> logAt;
  for (const Log& log : logs) {
    if (log.path != kStandardStream) logAt.emplace(PlaceOf(log.path), &log);
  }
  std::map<FilePlace, const Log*> logWritingTo;
  for (const Log& log : logs) {
    if (log.path == kStandardStream && !commandLine.outputFolder) {
      return Refuse(PlanProblem::kStandardInputUnnamed,
                    "the LOG - (standard input) has no name to derive its "
                    "output from; give -o FILE or -d DIR");
    }
    Conversion conversion = DefaultConversion(log, commandLine);
    const FilePlace output = PlaceOf(conversion.outputPath);
    if (const auto overwritten = logAt.find(output);
        overwritten != logAt.end()) {
      if (overwritten->second == &log && !commandLine.outputFolder) {
        return Refuse(PlanProblem::kOutputIsLog,
                      "LOG " + log.path + " already ends in " + kAdifExtension +
                          " and would be overwritten; name the output with -o");
      }
      return Refuse(PlanProblem::kOutputIsLog,
                    "LOG " + overwritten->second->path +
                        " would be overwritten by the ADIF file of " +
                        (overwritten->second == &log ? std::string("itself")
                                                     : "LOG " + log.path) +
                        ", " + conversion.outputPath);
    }
    const auto [entry, isNew] = logWritingTo.emplace(output, &log);
    if (!isNew) {
      return Refuse(PlanProblem::kSharedOutput,
                    "LOGs " + entry->second->path + " and " + log.path +
                        " would both be written to " + conversion.outputPath);
    }
    plan.conversions.push_back(std::move(conversion));
  }
  return plan;
}

}  // namespace kestrum::cli
