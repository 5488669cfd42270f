// SPDX-License-Identifier: MIT
#include "cli/conversion_plan.h"

#include <map>
#include <string>
#include <utility>

#include "cli/default_output.h"
#include "cli/file_identity.h"

namespace kestrum::cli {

namespace {

ConversionPlan Refuse(PlanProblem problem, std::string message) {
  ConversionPlan plan;
  plan.problem = problem;
  plan.message = std::move(message);
  return plan;
}

}  // namespace

ConversionPlan PlanConversions(const std::vector<std::string>& logPaths,
                               const std::optional<std::string>& outputPath) {
  if (logPaths.empty()) {
    return Refuse(PlanProblem::kNoLog, "no LOG given");
  }
  if (outputPath) {
    if (logPaths.size() > 1) {
      return Refuse(PlanProblem::kOutputWithSeveralLogs,
                    "--output names the file of a single LOG, but " +
                        std::to_string(logPaths.size()) + " LOGs were given");
    }
    ConversionPlan plan;
    plan.conversions.push_back({logPaths.front(), *outputPath});
    return plan;
  }

  ConversionPlan plan;
  std::map<FilePlace, const std::string*> logOfOutput;
  for (const std::string& logPath : logPaths) {
    std::string defaultOutput = DefaultOutputPath(logPath);
    if (defaultOutput == logPath) {
      return Refuse(PlanProblem::kOutputIsLog,
                    "LOG " + logPath + " already ends in " + kAdifExtension +
                        " and would be overwritten; name the output with -o");
    }
    const auto [entry, isNew] =
        logOfOutput.emplace(PlaceOf(defaultOutput), &logPath);
    if (!isNew) {
      return Refuse(PlanProblem::kSharedOutput,
                    "LOGs " + *entry->second + " and " + logPath +
                        " would both be written to " + defaultOutput);
    }
    plan.conversions.push_back({logPath, std::move(defaultOutput)});
  }
  return plan;
}

}  // namespace kestrum::cli
