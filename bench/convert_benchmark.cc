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
#include "tests/support/synthetic_log.h"

namespace kestrum {
namespace {

class SilentUi final : public ConversionUi {
 public:
  void ShowErrorBox(std::string_view) override {}
  void ShowInformationBox(std::string_view) override {}
  void ReplaceMessageList(const MessageLog&) override {}
};

void BM_ConvertLogToFile(benchmark::State& state) {
  const int contacts = static_cast<int>(state.range(0));
  const auto dir = std::filesystem::temp_directory_path() / "kestrum-bench";
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "log.bin").string();
  const std::string output = (dir / "log.adi").string();
  testing::WriteFile(input, testing::SyntheticLog(contacts));

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
