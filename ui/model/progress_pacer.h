// SPDX-License-Identifier: MIT
// ProgressPacer: when a run shows its progress. The run reports its
// progress every few thousand records; the window shows it only once the
// run has lasted half a second (most runs end sooner, and a flash of
// progress would be noise), and then about ten times a second, enough to
// keep the window repainted without slowing the run.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

class ProgressPacer {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kQuietStart{500};
  static constexpr std::chrono::milliseconds kInterval{100};

  // A run that started at `start`.
  explicit ProgressPacer(Clock::time_point start) : start_(start) {}

  // The run has done `done` of `total` units at `now`. Returns the whole
  // percentage to show now (0 to 100), or nullopt when the window need not
  // change.
  std::optional<int> Update(std::uint64_t done, std::uint64_t total,
                            Clock::time_point now);

 private:
  Clock::time_point start_;
  std::optional<Clock::time_point> shown_;
  int percent_ = -1;
};

// The line that shows the progress of a run of the log `logPath` at
// `percent`, naming the log by its file name: "Converting cq.bin: 45% done".
std::string ProgressLine(std::string_view logPath, int percent);

// The same for log `index` (from 0) of `count` converted one after the
// other: "Converting cq.bin (2 of 3): 45% done".
std::string BatchProgressLine(std::string_view logPath, std::size_t index,
                              std::size_t count, int percent);

}  // namespace kestrum
