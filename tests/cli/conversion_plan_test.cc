// SPDX-License-Identifier: MIT
#include "cli/conversion_plan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrum::cli {
namespace {

std::vector<std::string> Outputs(const ConversionPlan& plan) {
  std::vector<std::string> outputs;
  for (const Conversion& conversion : plan.conversions) {
    outputs.push_back(conversion.outputPath);
  }
  return outputs;
}

ConversionPlan PlanConversions(
    const std::vector<std::string>& logs,
    const std::optional<std::string>& output,
    const std::optional<std::string>& outputFolder = std::nullopt) {
  CommandLine commandLine;
  commandLine.logPaths = logs;
  commandLine.outputPath = output;
  commandLine.outputFolder = outputFolder;
  return cli::PlanConversions(commandLine);
}

TEST(ConversionPlanTest, EachLogGetsItsDefaultOutputInOrder) {
  const ConversionPlan plan =
      PlanConversions({"b.bin", "logs/a.bin", "c"}, std::nullopt);
  ASSERT_EQ(plan.problem, PlanProblem::kNone) << plan.message;
  ASSERT_EQ(plan.conversions.size(), 3u);
  EXPECT_EQ(plan.conversions[1].logPath, "logs/a.bin");
  EXPECT_EQ(Outputs(plan),
            (std::vector<std::string>{"b.adi", "logs/a.adi", "c.adi"}));
}

TEST(ConversionPlanTest, OutputOptionIsTakenAsGiven) {
  // With -o, a log named .adi is no problem: it is not overwritten.
  const ConversionPlan plan = PlanConversions({"x.adi"}, "../out file.adi");
  ASSERT_EQ(plan.problem, PlanProblem::kNone) << plan.message;
  EXPECT_EQ(Outputs(plan), std::vector<std::string>{"../out file.adi"});
}

TEST(ConversionPlanTest, OutputFolderTakesEachDefaultName) {
  // The folder and the name are joined with the system's own separator.
#ifdef _WIN32
  const std::string folder = ".\\";
#else
  const std::string folder = "./";
#endif
  const ConversionPlan plan =
      PlanConversions({"logs/a.bin", "-", "/x/b.BIN.old"}, std::nullopt, ".");
  ASSERT_EQ(plan.problem, PlanProblem::kNone) << plan.message;
  EXPECT_EQ(Outputs(plan),
            (std::vector<std::string>{folder + "a.adi", folder + "stdin.adi",
                                      folder + "b.BIN.adi"}));
}

TEST(ConversionPlanTest, RefusesWhatWouldNotWork) {
  const struct {
    std::vector<std::string> logs;
    std::optional<std::string> output;
    PlanProblem problem;
    std::string message;
  } cases[] = {
      {{}, std::nullopt, PlanProblem::kNoLog, "no LOG given"},
      {{}, "x.adi", PlanProblem::kNoLog, "no LOG given"},
      {{"a.bin", "b.bin"},
       "x.adi",
       PlanProblem::kOutputWithSeveralLogs,
       "--output names the file of a single LOG, but 2 LOGs were given"},
      {{"a.bin", "logs/x.adi"},
       std::nullopt,
       PlanProblem::kOutputIsLog,
       "LOG logs/x.adi already ends in .adi and would be overwritten; name "
       "the output with -o"},
      {{"a.bin", "b.bin", "a.dat"},
       std::nullopt,
       PlanProblem::kSharedOutput,
       "LOGs a.bin and a.dat would both be written to a.adi"},
      {{"logs/a.bin", "logs/../logs/./a.dat"},
       std::nullopt,
       PlanProblem::kSharedOutput,
       "LOGs logs/a.bin and logs/../logs/./a.dat would both be written to "
       "logs/../logs/./a.adi"},
      {{"a.bin", "a.bin"},
       std::nullopt,
       PlanProblem::kSharedOutput,
       "LOGs a.bin and a.bin would both be written to a.adi"},
  };
  for (const auto& c : cases) {
    const ConversionPlan plan = PlanConversions(c.logs, c.output);
    EXPECT_EQ(plan.problem, c.problem) << c.message;
    EXPECT_EQ(plan.message, c.message);
    EXPECT_TRUE(plan.conversions.empty()) << c.message;
  }
}

}  // namespace
}  // namespace kestrum::cli
