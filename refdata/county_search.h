// SPDX-License-Identifier: MIT
// The one binary search behind the four county look-ups. Internal to refdata/.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace kestrum {

// The row of `table` whose key equals `key`, or nullptr. The table must be
// sorted by key in ascending unsigned byte order (std::string_view::compare
// compares as unsigned char). The bounds start at 0 and the last row's index,
// and the middle is rounded down: with equal keys on adjacent rows, which one
// is found is fixed by this probe sequence, and callers rely on it (the New
// England key FRAM yields its second row).
template <typename Row>
const Row* FindCountyRow(std::span<const Row> table, std::string_view key) {
  std::ptrdiff_t lower = 0;
  std::ptrdiff_t upper = static_cast<std::ptrdiff_t>(table.size()) - 1;
  while (lower <= upper) {
    const std::ptrdiff_t middle = (lower + upper) / 2;
    const Row& row = table[static_cast<std::size_t>(middle)];
    const int order = key.compare(row.key);
    if (order == 0) return &row;
    if (order < 0) {
      upper = middle - 1;
    } else {
      lower = middle + 1;
    }
  }
  return nullptr;
}

// True when every row has a key and no key is smaller than the one before it;
// each table checks itself with this at compile time.
template <typename Row, std::size_t N>
constexpr bool IsSortedByKey(const std::array<Row, N>& table) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i].key.empty()) return false;
    if (i > 0 && table[i].key.compare(table[i - 1].key) < 0) return false;
  }
  return true;
}

}  // namespace kestrum
