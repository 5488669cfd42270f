// SPDX-License-Identifier: MIT
// A whole number in decimal, exactly as printf's "%d" (or "%u") writes it,
// made without printf and kept in a buffer of its own: the translation
// writes several numbers for every contact.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrum {

// Writes `value` (0 to 10^width - 1) as exactly `width` decimal digits,
// leading zeros included, two digits at a time.
inline void PutDigits(char* out, unsigned value, int width) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343"
      "53637383940414243444546474849505152535455565758596061626364656667686970"
      "717273747576777879808182838485868788899091929394959697989900";
  int at = width;
  while (at >= 2) {
    const unsigned pair = value % 100;
    value /= 100;
    at -= 2;
    out[at] = kPairs[2 * pair];
    out[at + 1] = kPairs[2 * pair + 1];
  }
  if (at == 1) out[0] = static_cast<char>('0' + value % 10);
}

class DecimalText {
 public:
  explicit DecimalText(std::int64_t value) {
    const auto written =
        std::to_chars(digits_.data(), digits_.data() + digits_.size(), value);
    size_ = static_cast<std::size_t>(written.ptr - digits_.data());
  }
  std::string_view View() const { return {digits_.data(), size_}; }
  std::string Text() const { return std::string(View()); }

 private:
  std::array<char, 20> digits_{};  // the sign and 19 digits of any int64
  std::size_t size_ = 0;
};

}  // namespace kestrum
