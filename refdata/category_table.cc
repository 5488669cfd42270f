// SPDX-License-Identifier: MIT
#include "refdata/category_table.h"

#include <array>
#include <string_view>

namespace kestrum {

namespace {

// Entry category texts, keyed by the header's category number. Logs up to
// 9.52 start at entry 8, so the first eight entries repeat in the second
// half. Stored in log files: never renumber.
// clang-format off
constexpr auto CategoryTable = std::to_array<std::string_view>({
    "SO",   //  0
    "SU",   //  1
    "MS",   //  2
    "M2",   //  3
    "MM",   //  4
    "RV",   //  5
    "LM",   //  6
    "SC",   //  7
    "SO",   //  8
    "SU",   //  9
    "MS",   // 10
    "M2",   // 11
    "MM",   // 12
    "QRP",  // 13
    "LP",   // 14
    "HP",   // 15
    "RV",   // 16
    "LM",   // 17
    "SB",   // 18
    "SC",   // 19
});
static_assert(CategoryTable.size() == kCategoryCount);
// clang-format on

}  // namespace

std::string_view CategoryText(int entry) {
  if (entry < 0 || entry >= kCategoryCount) return {};
  return CategoryTable[static_cast<std::size_t>(entry)];
}

}  // namespace kestrum
