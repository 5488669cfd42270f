// SPDX-License-Identifier: MIT
// Converts a synthetic 10.xx log of 100,000 contacts from disk into an ADIF
// file on disk, the way the dialog and the command line do, and reports
// records per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "run/conversion_run.h"
#include "run/disk_file_access.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

class SilentUi final : public ConversionUi {
 public:
  void ShowErrorBox(std::string_view) override {}
  void ShowInformationBox(std::string_view) override {}
  void ReplaceMessageList(const MessageLog&) override {}
};

// A CQ World Wide log with realistic contacts on the six contest bands.
testing::Bytes SyntheticLog(int contacts) {
  testing::TestHeader header;
  header.contestIndex = 0;
  std::vector<testing::TestRecord> records;
  records.reserve(static_cast<std::size_t>(contacts));
  static constexpr std::uint32_t kBandStart[] = {
      0, 1800000, 3500000, 7000000, 14000000, 21000000, 28000000};
  for (int i = 0; i < contacts; ++i) {
    testing::TestRecord r;
    r.call = "DL" + std::to_string(i % 10) + "A" +
             std::string(1, static_cast<char>('A' + i % 26)) + "C";
    r.exchange = std::to_string(1 + i % 40);
    r.band = static_cast<std::uint8_t>(1 + i % 6);
    r.mode = 1;
    r.receivedNumber = 599;
    r.sentNumber = static_cast<std::uint16_t>(i + 1);
    r.frequencyA =
        kBandStart[r.band] + 25000 + static_cast<std::uint32_t>(i % 50) * 100;
    r.time = 1700000000 + i * 7;
    records.push_back(r);
  }
  return BuildLog(header, records);
}

void BM_ConvertLogToFile(benchmark::State& state) {
  const int contacts = static_cast<int>(state.range(0));
  const auto dir = std::filesystem::temp_directory_path() / "kestrum-bench";
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "log.bin").string();
  const std::string output = (dir / "log.adi").string();
  testing::WriteFile(input, SyntheticLog(contacts));

  SilentUi ui;
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment env{ui, files, clock};
  for (auto _ : state) {
    RunRequest request{input, output, {}};
    request.options.contestIdText = "ADIF";
    const RunResult result = RunConversion(request, env);
    if (result.status != RunStatus::kConverted) {
      state.SkipWithError("conversion failed");
      break;
    }
    benchmark::DoNotOptimize(result.qsosWritten);
  }
  state.SetItemsProcessed(state.iterations() * contacts);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ConvertLogToFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrum

BENCHMARK_MAIN();
