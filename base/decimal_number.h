// SPDX-License-Identifier: MIT
// Reads a plain decimal number, such as the "9.52" of a logger's version
// text, into a double. std::from_chars does this where the C++ library offers
// it for double; where it does not (libc++ before version 17, the library of
// the WebAssembly tool chain), the C library's strtod reads the same digits
// to the same double, since both round correctly to nearest.
#pragma once

#include <optional>
#include <string_view>

namespace kestrum {

// The double nearest to the number at the start of `text`: decimal digits,
// then optionally a '.' and more digits ("10", "9.52", "8.", ".5"); no sign,
// no exponent, and whatever follows is not read. nullopt when `text` does not
// start with such a number, or when it lies outside the range of double (too
// large, or so small that it would read as zero); a subnormal number is read.
std::optional<double> ReadDecimalNumber(std::string_view text);

// The same through strtod on every platform, so that tests can hold the
// fallback to std::from_chars where both exist.
std::optional<double> ReadDecimalNumberWithStrtod(std::string_view text);

}  // namespace kestrum
