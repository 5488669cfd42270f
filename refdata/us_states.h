// SPDX-License-Identifier: MIT
// UsStateTable: the 50 two-letter US state codes (no entry for the District of
// Columbia), and the look-up that checks an exchange against them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kestrum {

// Sorted in ascending unsigned byte order; FindUsState's binary search relies
// on it.
extern const std::array<std::string_view, 50> UsStateTable;

// The table entry equal to `text` (exact, case-sensitive), or nothing.
std::optional<std::string_view> FindUsState(std::string_view text);

}  // namespace kestrum
