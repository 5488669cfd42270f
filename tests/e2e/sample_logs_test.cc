// SPDX-License-Identifier: MIT
// End to end: every sample log, converted in memory with a pinned clock, must
// give exactly the ADIF text kept in tests/data (the build-dependent "Last
// revised" line reads "Last revised BUILD" there). The shipped examples/*.bin
// must be exactly the logs the sample definitions build.
#include "tests/support/sample_logs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/fakes.h"

namespace kestrum {
namespace {

using testing::SampleLog;

std::string SourceDir() { return KESTRUM_SOURCE_DIR; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct OptionSet {
  const char* suffix;  // of the expected file: <sample><suffix>.adi
  void (*apply)(ConversionOptions&);
};

const OptionSet kOptionSets[] = {
    {"", [](ConversionOptions&) {}},
    {".all",
     [](ConversionOptions& c) {
       c.sixMeters = c.arrlSs = c.vexoOption = c.operatorOption = c.wpxOption =
           true;
       c.withSeconds = false;
       c.contestIdText = "ADIF";
     }},
    {".adif3",
     [](ConversionOptions& c) {
       c.adif3 = c.vexoOption = true;
       c.contestIdText = "ADIF";
     }},
};

class SampleLogTest : public ::testing::TestWithParam<SampleLog> {};

TEST_P(SampleLogTest, ShippedLogIsReproducible) {
  const SampleLog& sample = GetParam();
  const testing::Bytes built = BuildLog(sample.header, sample.records);
  const std::string shipped =
      ReadFile(SourceDir() + "/examples/" + sample.name + ".bin");
  EXPECT_EQ(shipped, std::string(reinterpret_cast<const char*>(built.data()),
                                 built.size()));
}

TEST_P(SampleLogTest, ConvertsToExpectedAdif) {
  const SampleLog& sample = GetParam();
  for (const OptionSet& options : kOptionSets) {
    testing::MemoryRun run;
    options.apply(run.options);
    run.Convert(BuildLog(sample.header, sample.records));
    const std::string expectedPath =
        SourceDir() + "/tests/data/" + sample.name + options.suffix + ".adi";
    if (std::getenv("KESTRUM_UPDATE_EXPECTED") != nullptr) {
      std::ofstream(expectedPath, std::ios::binary) << run.Output();
    }
    EXPECT_EQ(run.Output(), ReadFile(expectedPath)) << expectedPath;
  }
}

TEST_P(SampleLogTest, ReportsExpectedMessages) {
  const SampleLog& sample = GetParam();
  testing::MemoryRun run;
  run.Convert(BuildLog(sample.header, sample.records));
  std::string shown;
  for (const std::string& line : run.ui.messageList) shown += line + "\n";
  for (const std::string& box : run.ui.informationBoxes) {
    shown += "[box] " + box + "\n";
  }
  const std::string expectedPath =
      SourceDir() + "/tests/data/" + sample.name + ".messages.txt";
  if (std::getenv("KESTRUM_UPDATE_EXPECTED") != nullptr) {
    std::ofstream(expectedPath, std::ios::binary) << shown;
  }
  EXPECT_EQ(shown, ReadFile(expectedPath)) << expectedPath;
  EXPECT_TRUE(run.ui.errorBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleLogTest,
                         ::testing::ValuesIn(testing::SampleLogs()),
                         [](const auto& param) {
                           std::string name = param.param.name;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace kestrum
