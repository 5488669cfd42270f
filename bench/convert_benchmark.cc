// SPDX-License-Identifier: MIT
// Converts large realistic 10.xx logs from disk into ADIF files on disk, the
// way the dialog and the command line do, and sets each conversion beside
// the raw I/O of the same bytes: reading the log and writing a file as large
// as the ADIF file, through the same file layer. Iterations pair the two;
// the counters give medians:
//   records/s      contacts converted per second
//   MB/s           megabytes of log converted per second
//   out_MB/s       megabytes of ADIF written per second
//   raw_io_ms      the raw I/O of the same bytes, in milliseconds
//   ratio_to_raw   conversion time / raw I/O time (the target is 2 or less)
// A log can also come through a pipe, which the disk layer keeps in a
// scratch file so that the run can read it twice: BM_ConvertFromPipe.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_log.h"
#include "output/adif_body.h"
#include "run/conversion_run.h"
#include "run/disk_file_access.h"
#include "run/log_pass.h"

namespace kestrum::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class SilentUi final : public ConversionUi {
 public:
  void ShowErrorBox(std::string_view) override {}
  void ShowInformationBox(std::string_view) override {}
  void ReplaceMessageList(const MessageLog&) override {}
};

// A folder of the benchmark's own, removed at the end of the process.
struct BenchFolder {
  BenchFolder() {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~BenchFolder() { fs::remove_all(path); }
  fs::path path = fs::temp_directory_path() / "kestrum-bench";
};

// The log of `contacts` contacts, written once per process.
std::string LogOf(std::int64_t contacts, BenchLogKind kind) {
  static BenchFolder folder;
  static std::map<std::pair<std::int64_t, BenchLogKind>, std::string> logs;
  std::string& path = logs[{contacts, kind}];
  if (path.empty()) {
    path = (folder.path / ("log-" + std::to_string(contacts) + "-" +
                           std::to_string(static_cast<int>(kind)) + ".bin"))
               .string();
    if (!WriteBenchLog(path, contacts, kind)) path = "(not written)";
  }
  return path;
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads `log` and writes `outputSize` bytes into `output`, in the blocks the
// converter uses, through the same file layer; the time taken, or a
// negative number on failure.
double RawIoSeconds(const std::string& log, const std::string& output,
                    std::uintmax_t outputSize) {
  const Clock::time_point start = Clock::now();
  DiskFileAccess files;
  Opened<InputFile> input = files.OpenInput(log);
  Opened<OutputFile> file = files.CreateOutput(output, true);
  if (!input.file || !file.file) return -1;
  std::vector<std::byte> block(kRecordsPerBlock * 64);
  std::size_t checksum = 0;
  for (std::size_t got; (got = input.file->Read(block)) != 0;) {
    checksum += static_cast<std::size_t>(block[got - 1]);
  }
  benchmark::DoNotOptimize(checksum);
  const std::string text(AdifBody::kDefaultBlockSize, 'x');
  for (std::uintmax_t left = outputSize; left > 0;) {
    const std::size_t piece =
        static_cast<std::size_t>(std::min<std::uintmax_t>(left, text.size()));
    if (!file.file->Write(std::string_view(text).substr(0, piece))) return -1;
    left -= piece;
  }
  if (!file.file->Commit()) return -1;
  return Seconds(start);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

void Convert(benchmark::State& state, BenchLogKind kind,
             const ConversionOptions& options) {
  const std::int64_t contacts = state.range(0);
  const std::string log = LogOf(contacts, kind);
  const std::string output = log + ".adi";
  const std::string rawOutput = log + ".raw";

  SilentUi ui;
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment env{ui, files, clock};
  RunRequest request{log, output, options};
  // One conversion before timing, for the size of the ADIF file.
  if (RunConversion(request, env).status != RunStatus::kConverted) {
    state.SkipWithError("conversion failed");
    return;
  }
  const std::uintmax_t outputSize = fs::file_size(output);

  std::vector<double> convertTimes;
  std::vector<double> rawTimes;
  for (auto _ : state) {
    const double raw = RawIoSeconds(log, rawOutput, outputSize);
    const Clock::time_point start = Clock::now();
    const RunResult result = RunConversion(request, env);
    const double converted = Seconds(start);
    if (raw < 0 || result.status != RunStatus::kConverted) {
      state.SkipWithError("conversion or raw I/O failed");
      break;
    }
    state.SetIterationTime(converted);
    convertTimes.push_back(converted);
    rawTimes.push_back(raw);
  }
  const double convert = Median(convertTimes);
  const double raw = Median(rawTimes);
  if (convert <= 0 || raw <= 0) return;
  const double logBytes = static_cast<double>(fs::file_size(log));
  state.counters["records/s"] = static_cast<double>(contacts) / convert;
  state.counters["MB/s"] = logBytes / convert / 1e6;
  state.counters["out_MB/s"] = static_cast<double>(outputSize) / convert / 1e6;
  state.counters["raw_io_ms"] = raw * 1e3;
  state.counters["ratio_to_raw"] = convert / raw;
  fs::remove(output);
  fs::remove(rawOutput);
}

// The dialog's defaults: seconds and frequencies, nothing else.
void BM_ConvertDefaultOptions(benchmark::State& state) {
  Convert(state, BenchLogKind::kRealistic, ConversionOptions{});
}

// Every optional field: prefix, flags, operator, contest identifier.
void BM_ConvertAllOptions(benchmark::State& state) {
  ConversionOptions options;
  options.wpxOption = options.vexoOption = options.operatorOption = true;
  options.contestIdText = kGeneratedContestId;
  Convert(state, BenchLogKind::kRealistic, options);
}

// A warning for every contact: the message list spills to a file.
void BM_ConvertEveryContactWarned(benchmark::State& state) {
  Convert(state, BenchLogKind::kWarnings, ConversionOptions{});
}

// The realistic log fed through a pipe by another thread, default options.
void BM_ConvertFromPipe(benchmark::State& state) {
  const std::int64_t contacts = state.range(0);
  const std::string log = LogOf(contacts, BenchLogKind::kRealistic);
  std::ifstream in(log, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  const std::string output = log + ".pipe.adi";
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
    std::thread feeder([&bytes, end = ends[1]] {
      for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t written =
            write(end, bytes.data() + at, bytes.size() - at);
        if (written <= 0) break;
        at += static_cast<std::size_t>(written);
      }
      close(end);
    });
    const RunRequest request{
        "/proc/self/fd/" + std::to_string(ends[0]), output, {}};
    const RunResult result = RunConversion(request, env);
    close(ends[0]);
    feeder.join();
    if (result.status != RunStatus::kConverted) {
      state.SkipWithError("conversion failed");
      break;
    }
  }
  state.counters["records/s"] =
      benchmark::Counter(static_cast<double>(contacts),
                         benchmark::Counter::kIsIterationInvariantRate);
  fs::remove(output);
}

BENCHMARK(BM_ConvertDefaultOptions)
    ->Arg(1000000)
    ->UseManualTime()
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertAllOptions)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertEveryContactWarned)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertFromPipe)
    ->Arg(1000000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrum::bench

BENCHMARK_MAIN();
