// SPDX-License-Identifier: MIT
#include "refdata/call_prefix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "base/c_text.h"

namespace kestrum {
namespace {

struct PrefixCase {
  std::string_view call;
  const char* prefix;  // nullptr: no prefix.
};

void ExpectPrefixes(std::initializer_list<PrefixCase> cases) {
  for (const PrefixCase& c : cases) {
    SCOPED_TRACE(std::string("call \"") + std::string(c.call) + "\"");
    const std::optional<std::string> prefix = EffectivePrefix(c.call);
    if (c.prefix == nullptr) {
      EXPECT_FALSE(prefix.has_value()) << "got " << *prefix;
    } else {
      EXPECT_EQ(prefix, std::optional<std::string>(c.prefix));
    }
  }
}

TEST(CallPrefixTest, CallWithoutSlashEndsAfterFirstRunOfDigits) {
  ExpectPrefixes({
      {"K1ABC", "K1"},
      {"N0", "N0"},
      {"DL1ABC", "DL1"},
      {"2E0ABC", "2E0"},
      {"4X4ABC", "4X4"},
      {"9A1ABC", "9A1"},
      {"3DA0ABC", "3DA0"},
      {"K1ABC-", "K1"},  // The scan stops at the first letter after digits.
      {"KH6ABC", "KH6"},
      {"K12ABC", "K12"},
  });
}

TEST(CallPrefixTest, CallWithoutSecondDigitRunIsCompletedWithZero) {
  ExpectPrefixes({
      {"1A", "1A0"},
      {"TEST", "TE0"},
      {"F", "F0"},
      {"AB", "AB0"},
      {"2EABC", "2EABC0"},
  });
}

TEST(CallPrefixTest, CallThatIsNotACallHasNoPrefix) {
  ExpectPrefixes({
      {"", nullptr},
      {"k1abc", nullptr},  // Lower case letters are not letters.
      {"K1-ABC", nullptr},
      {"-K1", nullptr},
      {"K-1", nullptr},
      {"1-A", nullptr},
      {" K1ABC", nullptr},
  });
}

TEST(CallPrefixTest, SingleCharacterSuffix) {
  ExpectPrefixes({
      {"K1ABC/4", "K4"},
      {"KH6ABC/1", "KH1"},
      {"TEST/3", "TE0"},      // No digit to replace.
      {"2EABC/3", "2EABC0"},  // The first character is never replaced.
      {"K1ABC/P", "K1"},
      {"K1ABC/F", "F0"},
      {"K1ABC/G", "G0"},
      {"K1ABC/I", "I0"},
      {"K1ABC/-", nullptr},
      {"K1ABC/p", nullptr},
  });
}

TEST(CallPrefixTest, LongerSuffix) {
  ExpectPrefixes({
      {"K1ABC/MM", "K1"},
      {"K1ABC/QRP", "K1"},
      {"K1ABC/LHT", "K1"},
      {"K1ABC/QRPP", "QR0"},   // Designators match whole, not as a prefix.
      {"K1ABC/qrp", nullptr},  // ... and case-sensitively.
      {"VE3/K1ABC", "VE3"},
      {"K1ABC/VE3", "VE3"},
      {"K1ABC/KH6", "KH6"},
      {"K1ABC/10", "K1"},
      {"K1ABC/+10", "K1"},
      {"K1ABC/ 12", "K1"},  // Leading white space before the number.
      {"K1ABC/05", "K1"},
      {"K1ABC/5X", "5X0"},
      {"K1ABC/9X", "9X0"},  // 9 is not past 9: the suffix is the prefix.
      {"K1ABC/09", "K1"},
      {"AB/CD", nullptr},
      {"K1ABC/", nullptr},
      {"/", nullptr},
  });
}

TEST(CallPrefixTest, SeveralSlashesAreResolvedFromTheRight) {
  ExpectPrefixes({
      {"VE3/K1ABC/P", "VE3"},
      {"K1ABC/P/4", "K4"},
      {"K1ABC/4/P", "K4"},
      {"VE3/K1ABC/QRP", "VE3"},
      {"K1ABC/P/F", "F0"},
  });
}

TEST(CallPrefixTest, ManySlashesNeitherRecurseDeeplyNorHang) {
  std::string call = "K1ABC";
  for (int i = 0; i < 200000; ++i) call += "/P";
  EXPECT_EQ(EffectivePrefix(call), std::optional<std::string>("K1"));
  EXPECT_FALSE(EffectivePrefix(std::string(400000, '/')).has_value());
}

// IsUsCall and IsCanadianCall read the first two characters of a prefix, so a
// prefix must have at least two, and only letters and digits.
TEST(CallPrefixTest, EveryPrefixHasTwoOrMoreLettersOrDigits) {
  constexpr std::string_view kAlphabet = "AKFGIPQRM019/-a ";
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::size_t> length(0, 12);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  for (int n = 0; n < 50000; ++n) {
    std::string call;
    for (std::size_t i = length(random); i > 0; --i) {
      call += kAlphabet[pick(random)];
    }
    const std::optional<std::string> prefix = EffectivePrefix(call);
    if (!prefix) continue;
    ASSERT_GE(prefix->size(), 2u) << "call \"" << call << "\"";
    for (const char c : *prefix) {
      ASSERT_TRUE(IsUpperLetter(c) || IsDigit(c))
          << "call \"" << call << "\" gave \"" << *prefix << "\"";
    }
  }
}

TEST(CallPrefixTest, CopyPrefixStopsAtTheEndOfTheCall) {
  EXPECT_EQ(CopyPrefix("K1ABC", 2, false), "K1");
  EXPECT_EQ(CopyPrefix("1A", 5, true), "1A0");
  EXPECT_EQ(CopyPrefix("", 2, true), "0");
}

TEST(LeadingIntegerTest, FollowsTheCLibraryRules) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const struct {
    std::string_view text;
    std::int64_t value;
  } cases[] = {
      {"", 0},
      {"X5", 0},
      {"5X", 5},
      {"007", 7},
      {"+7", 7},
      {"-5", -5},
      {"- 5", 0},
      {"+-5", 0},
      {" \t\n\v\f\r42 1", 42},
      {std::string_view("\0"
                        "9",
                        2),
       0},  // NUL is not white space.
      {"9223372036854775807", kMax},
      {"9223372036854775808", kMax},
      {"123456789012345678901234567890", kMax},
      {"-9223372036854775808", kMin},
      {"-9223372036854775809", kMin},
      {"-99999999999999999999", kMin},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeadingInteger(c.text), c.value) << "text \"" << c.text << "\"";
  }
}

}  // namespace
}  // namespace kestrum
