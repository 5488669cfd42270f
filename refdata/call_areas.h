// SPDX-License-Identifier: MIT
// Whether a call sign belongs to the USA or to Canada, judged from the first
// two characters of its effective prefix.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// True for prefixes AA-AG, AI-AK, and K, N or W followed by anything but H, L
// or P; false otherwise and when the call has no prefix.
bool IsUsCall(std::string_view call);

// True for prefixes CF-CK, CY, CZ, VA-VG, VO, VX, VY and XJ-XO; false
// otherwise and when the call has no prefix.
bool IsCanadianCall(std::string_view call);

// The same two tests on a prefix already worked out with EffectivePrefix
// (refdata/call_prefix.h), for a caller that needs the prefix itself too;
// false for no prefix.
bool IsUsPrefix(const std::optional<std::string>& prefix);
bool IsCanadianPrefix(const std::optional<std::string>& prefix);

}  // namespace kestrum
