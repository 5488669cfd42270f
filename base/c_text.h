// SPDX-License-Identifier: MIT
// Small text rules shared by the look-ups and the translation, kept exactly as
// the C library defines them, because stored logs were read that way.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrum {

// The leading decimal integer of a text under the C library's text-to-integer
// rules: leading white space (blank, \t, \n, \v, \f, \r), an optional sign,
// then digits; anything else ends the number, and a text without digits gives
// 0. A number too large for 64 bits saturates instead of overflowing.
std::int64_t LeadingInteger(std::string_view text);

// True for 'A' to 'Z' only; lower-case letters are not letters here.
constexpr bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace kestrum
