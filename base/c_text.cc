// SPDX-License-Identifier: MIT
#include "base/c_text.h"

#include <cstdint>
#include <limits>

namespace kestrum {

namespace {

constexpr bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

}  // namespace

std::int64_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // The magnitude is gathered unsigned so that the most negative value, whose
  // magnitude exceeds the largest positive one, is still representable.
  constexpr std::uint64_t kMaxPositive =
      std::numeric_limits<std::int64_t>::max();
  const std::uint64_t limit = negative ? kMaxPositive + 1 : kMaxPositive;
  std::uint64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const auto digit = static_cast<std::uint64_t>(text[i] - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;  // Saturate; the remaining digits cannot lower it.
      break;
    }
    magnitude = magnitude * 10 + digit;
  }

  if (!negative) return static_cast<std::int64_t>(magnitude);
  if (magnitude == limit) return std::numeric_limits<std::int64_t>::min();
  return -static_cast<std::int64_t>(magnitude);
}

}  // namespace kestrum
