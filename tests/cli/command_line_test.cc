// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace kestrum::cli {
namespace {

// Every option field, so that one comparison shows which of them changed.
auto Fields(const ConversionOptions& o) {
  return std::tie(o.sixMeters, o.arrlSs, o.vexoOption, o.operatorOption,
                  o.wpxOption, o.withSeconds, o.withFrequency, o.adif3,
                  o.contestIdText);
}

// Parses `arguments` as the command line after the program name.
CommandLine Parse(std::vector<std::string> arguments) {
  CommandLine commandLine;
  CLI::App app;
  DefineCommandLine(app, commandLine);
  arguments.insert(arguments.begin(), kProgramName);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(argument.c_str());
  app.parse(static_cast<int>(argv.size()), argv.data());
  return commandLine;
}

TEST(CommandLineTest, EachFlagSetsItsOwnOption) {
  const struct {
    std::vector<std::string> flags;
    std::function<void(ConversionOptions&)> expect;
  } cases[] = {
      {{}, [](ConversionOptions&) {}},
      {{"--six-meters"}, [](ConversionOptions& o) { o.sixMeters = 1; }},
      {{"--arrl-ss"}, [](ConversionOptions& o) { o.arrlSs = 1; }},
      {{"--vexo"}, [](ConversionOptions& o) { o.vexoOption = 1; }},
      {{"--operator"}, [](ConversionOptions& o) { o.operatorOption = 1; }},
      {{"--wpx"}, [](ConversionOptions& o) { o.wpxOption = 1; }},
      {{"--no-seconds"}, [](ConversionOptions& o) { o.withSeconds = 0; }},
      {{"--no-frequency"}, [](ConversionOptions& o) { o.withFrequency = 0; }},
      {{"--adif3"}, [](ConversionOptions& o) { o.adif3 = 1; }},
      {{"--contest-id"},
       [](ConversionOptions& o) { o.contestIdText = "ADIF"; }},
      {{"--contest-id-text", "CQ-WW-CW"},
       [](ConversionOptions& o) { o.contestIdText = "CQ-WW-CW"; }},
      {{"--contest-id-text=ADIF"},
       [](ConversionOptions& o) { o.contestIdText = "ADIF"; }},
      // A flag given twice still holds 1.
      {{"--wpx", "--wpx"}, [](ConversionOptions& o) { o.wpxOption = 1; }},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.flags;
    arguments.push_back("contest.bin");
    ConversionOptions expected;
    c.expect(expected);
    const CommandLine commandLine = Parse(arguments);
    EXPECT_EQ(Fields(commandLine.options), Fields(expected))
        << ::testing::PrintToString(c.flags);
  }
}

TEST(CommandLineTest, LogsKeepTheirOrderAndBytes) {
  const CommandLine commandLine =
      Parse({"b.bin", "--wpx", "\xE9t\xE9 log.bin", "--", "-dash.bin"});
  EXPECT_EQ(
      commandLine.logPaths,
      (std::vector<std::string>{"b.bin", "\xE9t\xE9 log.bin", "-dash.bin"}));
  EXPECT_FALSE(commandLine.outputPath.has_value());
}

TEST(CommandLineTest, OutputOptionsTakeAFileOrAFolder) {
  EXPECT_EQ(Parse({"-o", "out.adi", "a.bin"}).outputPath, "out.adi");
  EXPECT_EQ(Parse({"a.bin", "--output=my out.adi"}).outputPath, "my out.adi");
  const CommandLine folder = Parse({"-rd", "adif", "logs"});
  EXPECT_EQ(folder.outputFolder, "adif");
  EXPECT_TRUE(folder.recursive);
  EXPECT_FALSE(folder.outputPath.has_value());
  EXPECT_FALSE(Parse({"a.bin"}).recursive);
  const CommandLine flags = Parse({"-nq", "a.bin"});
  EXPECT_TRUE(flags.noClobber && flags.quiet);
  EXPECT_FALSE(Parse({"a.bin"}).noClobber || Parse({"a.bin"}).quiet);
}

TEST(CommandLineTest, RefusesWhatItDoesNotKnow) {
  const std::vector<std::string> refused[] = {
      {"--bogus", "a.bin"},
      {"-x", "a.bin"},
      {"--contest-id", "--contest-id-text", "T", "a.bin"},
      {"a.bin", "-o"},
      {"-o", "a.adi", "-d", "adif", "a.bin"},
  };
  for (const auto& arguments : refused) {
    EXPECT_THROW(Parse(arguments), CLI::ParseError)
        << ::testing::PrintToString(arguments);
  }
}

TEST(CommandLineTest, UsageErrorHasThePrefixAndPointsToHelp) {
  std::ostringstream err;
  PrintUsageError(err, "no LOG given");
  EXPECT_EQ(err.str(),
            "kestrum-convert: error: no LOG given\n"
            "Usage: kestrum-convert [OPTIONS] LOG...\n"
            "       kestrum-convert [OPTIONS] -o FILE LOG\n"
            "Try 'kestrum-convert --help' for more information.\n");
}

}  // namespace
}  // namespace kestrum::cli
