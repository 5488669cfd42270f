// SPDX-License-Identifier: MIT
// The effective prefix of a call sign, as the WPX contest counts prefixes:
// the call up to and including its first run of digits, with the rules for
// portable suffixes after a '/'. Also used to tell US and Canadian calls.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// The suffixes that, written after the last '/', never change the prefix.
extern const std::array<std::string_view, 15> PortableDesignators;

// The prefix of `call`, or nothing when none can be formed (an empty call, a
// call with characters other than A-Z and 0-9 where the rules need one, AB/CD).
std::optional<std::string> EffectivePrefix(std::string_view call);

// The first `count` characters of `call` (all of it when shorter), followed by
// "0" when `appendZero` is set.
std::string CopyPrefix(std::string_view call, std::size_t count,
                       bool appendZero);

}  // namespace kestrum
