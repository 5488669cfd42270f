// SPDX-License-Identifier: MIT
// CategoryTable: the entry-category texts of a log header's category number.
// Logs up to version 9.52 number their categories from entry 8 on, later ones
// from entry 0 (the header reader adds the shift).
#pragma once

#include <string_view>

namespace kestrum {

inline constexpr int kCategoryCount = 20;

// Category text of a table entry (0-19); "" for an entry past the table.
std::string_view CategoryText(int entry);

}  // namespace kestrum
