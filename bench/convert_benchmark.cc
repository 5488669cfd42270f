// SPDX-License-Identifier: MIT
// Converts a synthetic 10.xx log of 100,000 contacts from disk (and from a
// pipe, which the disk layer keeps in a scratch file) into an ADIF file on
// disk, the way the dialog and the command line do, and reports records per
// second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

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

void BM_ConvertLogFromPipe(benchmark::State& state) {
  const int contacts = static_cast<int>(state.range(0));
  const auto dir = std::filesystem::temp_directory_path() / "kestrum-bench";
  std::filesystem::create_directories(dir);
  const std::string output = (dir / "log.adi").string();
  const testing::Bytes log = testing::SyntheticLog(contacts);
  std::signal(SIGPIPE, SIG_IGN);

  SilentUi ui;
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment env{ui, files, clock};
  for (auto _ : state) {
    int ends[2];
    if (pipe(ends) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    std::thread feeder([&log, end = ends[1]] {
      for (std::size_t at = 0; at < log.size();) {
        const ssize_t written = write(end, log.data() + at, log.size() - at);
        if (written <= 0) break;
        at += static_cast<std::size_t>(written);
      }
      close(end);
    });
    RunRequest request{"/proc/self/fd/" + std::to_string(ends[0]), output, {}};
    request.options.contestIdText = "ADIF";
    const RunResult result = RunConversion(request, env);
    close(ends[0]);
    feeder.join();
    if (result.status != RunStatus::kConverted) {
      state.SkipWithError("conversion failed");
      break;
    }
    benchmark::DoNotOptimize(result.qsosWritten);
  }
  state.SetItemsProcessed(state.iterations() * contacts);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ConvertLogFromPipe)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrum

BENCHMARK_MAIN();
