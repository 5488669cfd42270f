// SPDX-License-Identifier: MIT
#include "base/decimal_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kestrum {
namespace {

// What std::from_chars reads from a text that is all number.
std::optional<double> FromChars(const std::string& text) {
  double value = 0.0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(),
                                      value, std::chars_format::fixed);
  if (parsed.ec != std::errc()) return std::nullopt;
  return value;
}

// Equal when both are nullopt or both hold the same bits.
void ExpectSameReading(const std::optional<double>& got,
                       const std::optional<double>& want,
                       const std::string& text) {
  ASSERT_EQ(got.has_value(), want.has_value()) << text;
  if (got) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*got),
              std::bit_cast<std::uint64_t>(*want))
        << text;
  }
}

// Numbers at the edges of rounding and of double's range, and random digit
// strings from short version texts to hundreds of digits.
std::vector<std::string> NumberTexts() {
  std::vector<std::string> texts = {
      "0",
      "007",
      "8.",
      ".5",
      "9.52",
      "10.995",
      "0.145",
      "0.1",
      "9007199254740993",                         // 2^53 + 1: ties to even
      "9007199254740993.0000000000000000000001",  // just above the tie
      "179769313486231570814527423731704356798070567525844996598917476803157"
      "260780028538760589558632766878171540458953514382464234321326889464182"
      "768467546703537516986049910576551282076245490090389328944075868508455"
      "133942304583236903222948165808559332123348274797826204144723168738177"
      "180919299881250404026184124858368",  // the largest double
      "1" + std::string(308, '0'),
      "1" + std::string(309, '0'),
      "2" + std::string(308, '0'),         // too large
      "0." + std::string(307, '0') + "1",  // normal, near the bottom
      "0." + std::string(310, '0') + "1",  // subnormal
      "0." + std::string(323, '0') + "5",  // the smallest subnormal
      "0." + std::string(323, '0') + "2",  // rounds to zero
      "0." + std::string(400, '0') + "1",
      std::string(400, '0'),
      "0." + std::string(400, '0')};
  std::mt19937 random(20261208);
  const auto digits = [&random](std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
      text += static_cast<char>('0' + random() % 10);
    }
    return text;
  };
  const auto length = [&random]() -> std::size_t {
    // Mostly short, sometimes at the edge of double's range.
    return random() % 8 == 0 ? 290 + random() % 40 : random() % 24;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string text = digits(length());
    if (random() % 4 != 0) text += "." + digits(length());
    if (text.empty() || text == ".") continue;
    texts.push_back(std::move(text));
  }
  return texts;
}

TEST(DecimalNumberTest, StrtodFallbackReadsAsFromChars) {
  for (const std::string& text : NumberTexts()) {
    ExpectSameReading(ReadDecimalNumberWithStrtod(text), FromChars(text), text);
    ExpectSameReading(ReadDecimalNumber(text), FromChars(text), text);
  }
}

TEST(DecimalNumberTest, ReadsOnlyTheNumberAtTheStart) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"9.52 beta", 9.52},   {"9.5e3", 9.5},       {"1.2.3", 1.2},
      {"8..5", 8.0},         {"", std::nullopt},   {".", std::nullopt},
      {"-1", std::nullopt},  {"+1", std::nullopt}, {" 1", std::nullopt},
      {"inf", std::nullopt}, {"0x1p3", 0.0},
  };
  for (const Case& c : cases) {
    ExpectSameReading(ReadDecimalNumberWithStrtod(c.text), c.value, c.text);
    ExpectSameReading(ReadDecimalNumber(c.text), c.value, c.text);
  }
}

}  // namespace
}  // namespace kestrum
