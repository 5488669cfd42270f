// SPDX-License-Identifier: MIT
// libFuzzer target: one whole conversion run in memory. The first two bytes
// of the input choose the options, the rest is the log. Besides memory and
// undefined-behaviour faults, which the sanitizers catch, the target aborts
// when a run breaks one of the properties of CheckRunInvariants, or when a
// second run in the same context gives another file or other messages, so
// that the fuzzer finds logic faults too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_options.h"
#include "tests/support/fakes.h"
#include "tests/support/run_invariants.h"

namespace {

[[noreturn]] void Broken(const std::string& problem) {
  std::fprintf(stderr, "conversion property broken: %s\n", problem.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace kestrum;
  testing::MemoryRun run;
  const std::size_t logStart =
      fuzz::ApplyOptionBytes(std::span(data, size), run.options);
  const auto* bytes = reinterpret_cast<const std::byte*>(data);
  const testing::Bytes log(bytes + logStart, bytes + size);
  run.Convert(log);
  const std::string problem = testing::CheckRunInvariants(log, run);
  if (!problem.empty()) Broken(problem);

  // The dialog keeps its context from run to run: nothing of one run may
  // leak into the next.
  const std::optional<std::string> output = run.files.Text("out.adi");
  const std::vector<std::string> messages = run.ui.messageList;
  const RunResult first = run.result;
  run.Convert(log);
  if (run.files.Text("out.adi") != output) Broken("second run, other file");
  if (run.ui.messageList != messages) Broken("second run, other messages");
  if (run.result.status != first.status ||
      run.result.qsosWritten != first.qsosWritten) {
    Broken("second run, other result");
  }
  return 0;
}
