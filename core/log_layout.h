// SPDX-License-Identifier: MIT
// The four generations of the ZR log file and where their parts lie: the
// length of the header, where the first contact record starts and the length
// of a record. The header reader, the record decoder, the conversion run and
// the tests take these numbers from this one table. The fields inside the
// headers and records are in doc/log_format.md.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace kestrum {

struct LogLayout {
  int generation;           // 7, 8, 9 or 10: the log version / 100
  std::size_t headerSize;   // bytes of the header
  std::size_t firstRecord;  // offset of the first contact record
  std::size_t recordSize;   // bytes of one contact record
};

// One row per generation, oldest first. The records follow the header
// directly in every generation.
inline constexpr std::array<LogLayout, 4> LogLayouts = {{
    {7, 398, 398, 37},
    {8, 1024, 1024, 50},
    {9, 4096, 4096, 50},
    {10, 4096, 4096, 64},
}};

// The longest header of any generation: what the header reader is given.
inline constexpr std::size_t kLongestHeader =
    std::max_element(LogLayouts.begin(), LogLayouts.end(),
                     [](const LogLayout& a, const LogLayout& b) {
                       return a.headerSize < b.headerSize;
                     })
        ->headerSize;

// The row of a generation (7 to 10); nothing for any other number.
constexpr std::optional<LogLayout> LayoutOfGeneration(int generation) {
  for (const LogLayout& layout : LogLayouts) {
    if (layout.generation == generation) return layout;
  }
  return std::nullopt;
}

// The row whose records a log of `version` (x 100) holds: the generation is
// the version's hundreds, so 952 reads 9.xx records and 1000 10.xx records.
// Nothing for a version without a record layout (below 700, 1100 and up).
constexpr std::optional<LogLayout> LayoutOfVersion(int version) {
  return version < 0 ? std::nullopt : LayoutOfGeneration(version / 100);
}

}  // namespace kestrum
