// SPDX-License-Identifier: MIT
// Every failure point of a run, through the fault-injection harness: each
// file operation of a clean run is failed in turn, in every way it can
// fail, in memory and on disk (the new file unnamed and named), with and
// without an old ADIF file. A failed run must leave the old file byte for
// byte (or none), nothing else in the folder, name the file that failed
// with a reason and claim no contacts. A log that ends early may also
// convert, but then exactly as the shorter log converts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "run/conversion_run.h"
#include "run/disk_file_access.h"
#include "tests/support/fakes.h"
#include "tests/support/faulty_file_access.h"
#include "tests/support/sample_logs.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Fault;
using testing::FaultyFileAccess;
using testing::FileOperation;

constexpr char kOldText[] = "old ADIF text\n";

// A 10.xx sample repeated to 4,500 records, so that the run reads and
// writes in several pieces.
Bytes LongLog() {
  for (const testing::SampleLog& sample : testing::SampleLogs()) {
    if (sample.header.generation != 10) continue;
    std::vector<testing::TestRecord> records;
    while (records.size() < 4500) {
      records.insert(records.end(), sample.records.begin(),
                     sample.records.end());
    }
    return testing::BuildLog(sample.header, records);
  }
  return {};
}

// Where a run's files are: in memory, or in a folder of their own on disk.
class World {
 public:
  World(const std::string& variant, bool onDisk, ReplacementFile::Naming naming)
      : onDisk_(onDisk),
        disk_(DiskFileAccess::kPipeLimit, naming),
        folder_(fs::temp_directory_path() / ("kestrum-faults-" + variant)) {}
  ~World() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Starts over with the log and, if `withOld`, an old ADIF file.
  void Reset(const Bytes& log, bool withOld) {
    memory_ = testing::MemoryFileAccess();
    memory_.files["in.bin"] = log;
    if (onDisk_) {
      fs::remove_all(folder_);
      fs::create_directories(folder_);
      testing::WriteFile(Input(), log);
    }
    if (withOld) {
      if (onDisk_) {
        std::ofstream(Output(), std::ios::binary) << kOldText;
      } else {
        memory_.files["out.adi"] = Bytes(
            reinterpret_cast<const std::byte*>(kOldText),
            reinterpret_cast<const std::byte*>(kOldText) + sizeof kOldText - 1);
      }
    }
  }

  FileAccess& Files() {
    return onDisk_ ? static_cast<FileAccess&>(disk_) : memory_;
  }
  std::string Input() const { return onDisk_ ? Path("in.bin") : "in.bin"; }
  std::string Output() const { return onDisk_ ? Path("out.adi") : "out.adi"; }

  // The ADIF file's text (line ends as in memory), or nothing.
  std::optional<std::string> OutputText() const {
    if (!onDisk_) return memory_.Text("out.adi");
    if (!fs::exists(Output())) return std::nullopt;
    std::ifstream in(Output(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string result = text.str();
    std::erase(result, '\r');
    return result;
  }

  // What the folder holds besides the log and the ADIF file.
  std::set<std::string> Leftovers() const {
    std::set<std::string> names;
    if (!onDisk_) return names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name != "in.bin" && name != "out.adi") names.insert(name);
    }
    return names;
  }

 private:
  std::string Path(const char* name) const { return (folder_ / name).string(); }

  bool onDisk_;
  testing::MemoryFileAccess memory_;
  DiskFileAccess disk_;
  fs::path folder_;
};

struct Outcome {
  RunResult result;
  testing::RecordingUi ui;
  std::optional<std::string> output;
  std::set<std::string> leftovers;
};

Outcome RunWith(World& world, FileAccess& files) {
  Outcome outcome;
  testing::FixedClock clock({1796688000});
  RunEnvironment env{outcome.ui, files, clock};
  outcome.result = RunConversion({world.Input(), world.Output(), {}}, env);
  outcome.output = world.OutputText();
  outcome.leftovers = world.Leftovers();
  return outcome;
}

// What is wrong with a run that failed; "" when nothing.
std::string CheckFailure(const Outcome& run, const std::string& fileName,
                         bool withOld) {
  if (run.result.status != RunStatus::kFileError) return "not a file error";
  if (run.result.qsosWritten != 0) return "contacts claimed";
  if (run.ui.errorBoxes.size() != 1) return "not one error box";
  const std::string& box = run.ui.errorBoxes[0];
  if (box.find(fileName + ": ") == std::string::npos) {
    return "box names no file and reason: " + box;
  }
  if (withOld && run.output != kOldText) return "old ADIF file changed";
  if (!withOld && run.output) return "ADIF file made";
  if (!run.leftovers.empty()) return "left " + *run.leftovers.begin();
  return "";
}

TEST(FileFaultTest, EveryFailurePointLeavesTheOldFileAndNoTrace) {
  const Bytes log = LongLog();
  ASSERT_FALSE(log.empty());
  const struct {
    const char* name;
    bool onDisk;
    ReplacementFile::Naming naming;
  } variants[] = {
      {"memory", false, ReplacementFile::Naming::kUnnamedWherePossible},
      {"disk", true, ReplacementFile::Naming::kUnnamedWherePossible},
      {"disk-named", true, ReplacementFile::Naming::kNamed},
  };
  int cases = 0;
  std::string report;
  for (const auto& variant : variants) {
    World world(variant.name, variant.onDisk, variant.naming);
    for (const bool withOld : {true, false}) {
      world.Reset(log, withOld);
      FaultyFileAccess clean(world.Files(), 0, Fault::kRefused);
      const Outcome reference = RunWith(world, clean);
      ASSERT_EQ(reference.result.status, RunStatus::kConverted);
      const std::vector<FileOperation> operations = clean.Operations();
      for (std::size_t i = 0; i < operations.size(); ++i) {
        for (const Fault fault : testing::FaultsOf(operations[i])) {
          world.Reset(log, withOld);
          FaultyFileAccess faulty(world.Files(), static_cast<int>(i + 1),
                                  fault);
          const Outcome run = RunWith(world, faulty);
          const bool inputFailed = operations[i] == FileOperation::kOpenInput ||
                                   operations[i] == FileOperation::kRead ||
                                   operations[i] == FileOperation::kSeek;
          std::string problem = CheckFailure(
              run, inputFailed ? world.Input() : world.Output(), withOld);
          if (fault == Fault::kEndsEarly && faulty.CutAt()) {
            // A log cut short may convert as the shorter log does.
            testing::MemoryRun shorter;
            if (withOld) shorter.files.files["out.adi"] = {};
            const Bytes cut(
                log.begin(),
                log.begin() + static_cast<std::ptrdiff_t>(*faulty.CutAt()));
            shorter.Convert(cut);
            const std::optional<std::string> expected =
                shorter.result.status == RunStatus::kConverted
                    ? shorter.files.Text("out.adi")
                    : run.output;  // refused: the output is checked above
            if (run.result.status == shorter.result.status &&
                run.output == expected && run.leftovers.empty()) {
              problem.clear();
            }
          }
          ++cases;
          if (!problem.empty() && report.size() < 2000) {
            report += std::string(variant.name) +
                      (withOld ? ", old file" : ", no old file") +
                      ", operation " + std::to_string(i + 1) + " (" +
                      NameOf(operations[i]) + ", " + NameOf(fault) +
                      "): " + problem + "\n";
          }
        }
      }
    }
  }
  EXPECT_EQ(report, "") << "of " << cases << " cases";
  RecordProperty("cases", cases);
  EXPECT_GT(cases, 30);
}

}  // namespace
}  // namespace kestrum
