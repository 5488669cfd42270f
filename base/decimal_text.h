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
