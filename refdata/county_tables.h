// SPDX-License-Identifier: MIT
// The county abbreviations of the state QSO parties: California, Florida, New
// England and eight western states. Each look-up is one binary search over a
// constant table sorted by key in ascending unsigned byte order.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kestrum {

// A row of a table whose state is implied (California, Florida).
struct CountyPair {
  std::string_view key;
  std::string_view county;
};

// A row of a table that spans several states.
struct CountyTriple {
  std::string_view key;
  std::string_view state;
  std::string_view county;
};

// The result of a multi-state look-up; both texts refer to the constant table.
struct CountyMatch {
  std::string_view state;
  std::string_view county;
};

// The tables themselves, for checks of order and size.
std::span<const CountyPair> CaliforniaCountyTable();    // 136 rows
std::span<const CountyPair> FloridaCountyTable();       // 69 rows
std::span<const CountyTriple> NewEnglandCountyTable();  // 134 rows
std::span<const CountyTriple> WesternCountyTable();     // 258 rows

// County name for a key (the state is always "CA" / "FL"), or nothing.
std::optional<std::string_view> FindCaliforniaCounty(std::string_view key);
std::optional<std::string_view> FindFloridaCounty(std::string_view key);

// State and county for a key, or nothing. The New England key FRAM stands on
// two rows (Franklin MA, then Franklin ME); the search finds Franklin, ME.
std::optional<CountyMatch> FindNewEnglandCounty(std::string_view key);
std::optional<CountyMatch> FindWesternCounty(std::string_view key);

}  // namespace kestrum
