// SPDX-License-Identifier: MIT
#include "refdata/us_states.h"

#include <array>
#include <optional>
#include <string_view>

namespace kestrum {

// The 50 state codes in ascending unsigned byte order; the District of
// Columbia is not a state here.
// clang-format off
constexpr std::array<std::string_view, 50> UsStateTable =
    std::to_array<std::string_view>({
    "AK",  //  0
    "AL",  //  1
    "AR",  //  2
    "AZ",  //  3
    "CA",  //  4
    "CO",  //  5
    "CT",  //  6
    "DE",  //  7
    "FL",  //  8
    "GA",  //  9
    "HI",  // 10
    "IA",  // 11
    "ID",  // 12
    "IL",  // 13
    "IN",  // 14
    "KS",  // 15
    "KY",  // 16
    "LA",  // 17
    "MA",  // 18
    "MD",  // 19
    "ME",  // 20
    "MI",  // 21
    "MN",  // 22
    "MO",  // 23
    "MS",  // 24
    "MT",  // 25
    "NC",  // 26
    "ND",  // 27
    "NE",  // 28
    "NH",  // 29
    "NJ",  // 30
    "NM",  // 31
    "NV",  // 32
    "NY",  // 33
    "OH",  // 34
    "OK",  // 35
    "OR",  // 36
    "PA",  // 37
    "RI",  // 38
    "SC",  // 39
    "SD",  // 40
    "TN",  // 41
    "TX",  // 42
    "UT",  // 43
    "VA",  // 44
    "VT",  // 45
    "WA",  // 46
    "WI",  // 47
    "WV",  // 48
    "WY",  // 49
});
// clang-format on

std::optional<std::string_view> FindUsState(std::string_view text) {
  int lower = 0;
  int upper = static_cast<int>(UsStateTable.size()) - 1;
  while (lower <= upper) {
    const int middle = (lower + upper) / 2;
    const std::string_view entry =
        UsStateTable[static_cast<std::size_t>(middle)];
    const int order = text.compare(entry);
    if (order == 0) return entry;
    if (order < 0) {
      upper = middle - 1;
    } else {
      lower = middle + 1;
    }
  }
  return std::nullopt;
}

}  // namespace kestrum
