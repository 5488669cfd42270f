// SPDX-License-Identifier: MIT
#include "refdata/call_areas.h"

#include <optional>
#include <string>

#include "refdata/call_prefix.h"

namespace kestrum {

namespace {

constexpr bool InRange(char c, char first, char last) {
  return c >= first && c <= last;
}

// The first two characters of the call's prefix, or nothing. A prefix always
// has at least two characters; the guard keeps a short one harmless.
struct PrefixStart {
  char first;
  char second;
};

std::optional<PrefixStart> StartOfPrefix(
    const std::optional<std::string>& prefix) {
  if (!prefix || prefix->empty()) return std::nullopt;
  return PrefixStart{(*prefix)[0], prefix->size() > 1 ? (*prefix)[1] : '\0'};
}

}  // namespace

bool IsUsCall(std::string_view call) {
  return IsUsPrefix(EffectivePrefix(call));
}

bool IsCanadianCall(std::string_view call) {
  return IsCanadianPrefix(EffectivePrefix(call));
}

bool IsUsPrefix(const std::optional<std::string>& prefix) {
  const std::optional<PrefixStart> start = StartOfPrefix(prefix);
  if (!start) return false;
  const char second = start->second;
  switch (start->first) {
    case 'A':
      return InRange(second, 'A', 'G') || InRange(second, 'I', 'K');
    case 'K':
    case 'N':
    case 'W':
      // H, L and P second letters belong to Hawaii and the Pacific islands,
      // Alaska and the Caribbean, which count apart from the USA.
      return second != 'H' && second != 'L' && second != 'P';
    default:
      return false;
  }
}

bool IsCanadianPrefix(const std::optional<std::string>& prefix) {
  const std::optional<PrefixStart> start = StartOfPrefix(prefix);
  if (!start) return false;
  const char second = start->second;
  switch (start->first) {
    case 'C':
      return InRange(second, 'F', 'K') || second == 'Y' || second == 'Z';
    case 'V':
      return InRange(second, 'A', 'G') || second == 'O' || second == 'X' ||
             second == 'Y';
    case 'X':
      return InRange(second, 'J', 'O');
    default:
      return false;
  }
}

}  // namespace kestrum
