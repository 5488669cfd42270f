// SPDX-License-Identifier: MIT
#include "refdata/default_rst.h"

#include <array>
#include <cstdint>

namespace kestrum {

namespace {

// Default signal report, keyed by mode index. Mode numbers are stored in log
// files: never renumber.
// clang-format off
constexpr auto DefaultRstTable = std::to_array<std::int16_t>({
    0,    // 0: no mode
    599,  // 1: CW
    59,   // 2: SSB
    599,  // 3: RTTY
    59,   // 4: FM
});
static_assert(DefaultRstTable.size() == 5);
// clang-format on

}  // namespace

int DefaultRst(int modeIndex) {
  if (modeIndex < 0 ||
      static_cast<std::size_t>(modeIndex) >= DefaultRstTable.size()) {
    return 0;
  }
  return DefaultRstTable[static_cast<std::size_t>(modeIndex)];
}

}  // namespace kestrum
