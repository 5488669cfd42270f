// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "base/c_text.h"
#include "refdata/call_areas.h"
#include "refdata/canadian_provinces.h"
#include "refdata/us_states.h"

namespace kestrum {
namespace {

// The prefix decides, not the home call: K1ABC/VE3 is Canadian, VE3ABC/W1 is
// a US call.
TEST(CallAreasTest, TellsUsAndCanadianCallsApart) {
  for (const std::string_view call :
       {"K1ABC", "N0", "W", "AA1ABC", "AK0ABC", "AI1ABC", "VE3ABC/W1"}) {
    EXPECT_TRUE(IsUsCall(call)) << call;
    EXPECT_FALSE(IsCanadianCall(call)) << call;
  }
  for (const std::string_view call :
       {"VE3ABC", "VA7ABC", "VO1ABC", "VX9ABC", "VY0ABC", "CY0ABC", "CF3ABC",
        "CK2ABC", "XJ1ABC", "XO1ABC", "K1ABC/VE3"}) {
    EXPECT_FALSE(IsUsCall(call)) << call;
    EXPECT_TRUE(IsCanadianCall(call)) << call;
  }
  for (const std::string_view call :
       {"KH6ABC", "KL7ABC", "KP4ABC", "NH6ABC", "WP4ABC", "AH6ABC", "AL7ABC",
        "VK2ABC", "XE1ABC", "CE3ABC", "", "k1abc", "AB/CD"}) {
    EXPECT_FALSE(IsUsCall(call)) << call;
    EXPECT_FALSE(IsCanadianCall(call)) << call;
  }
}

TEST(UsStateTest, TableIsSortedTwoLetterCodes) {
  ASSERT_EQ(UsStateTable.size(), 50u);
  for (std::size_t i = 0; i < UsStateTable.size(); ++i) {
    const std::string_view code = UsStateTable[i];
    ASSERT_EQ(code.size(), 2u) << "row " << i;
    EXPECT_TRUE(IsUpperLetter(code[0]) && IsUpperLetter(code[1])) << code;
    if (i > 0) {
      EXPECT_LT(UsStateTable[i - 1], code) << "row " << i;
    }
  }
}

TEST(UsStateTest, FindsEveryStateAndNothingElse) {
  for (const std::string_view code : UsStateTable) {
    EXPECT_EQ(FindUsState(std::string(code)), code);
  }
  for (const std::string_view text :
       {"DC", "ma", "Ma", "MAS", "M", "", "AA", "ZZ", "MA ", " MA"}) {
    EXPECT_FALSE(FindUsState(text).has_value()) << "text \"" << text << "\"";
  }
}

TEST(CanadianProvinceTest, FindsCodesAndAliases) {
  const struct {
    std::string_view text;
    const char* code;  // nullptr: not found.
  } cases[] = {
      {"QC", "QC"},  {"QUE", "QC"},    {"PQ", "QC"},      {"NWT", "NT"},
      {"NF", "NL"},  {"LAB", "NL"},    {"YU", "YT"},      {"NU", "NU"},
      {"NS", "NS"},  {"Que", nullptr}, {"NFLD", nullptr}, {"qc", nullptr},
      {"", nullptr}, {"DC", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string_view> code = FindCanadianProvince(c.text);
    if (c.code == nullptr) {
      EXPECT_FALSE(code.has_value()) << "text \"" << c.text << "\"";
    } else {
      EXPECT_EQ(code, c.code) << "text \"" << c.text << "\"";
    }
  }
}

// The result of every look-up must itself be a province code; an alias that
// mapped to another alias, or shadowed a code, would break that.
TEST(CanadianProvinceTest, EveryCodeAndAliasLeadsToACode) {
  const auto isCode = [](std::string_view text) {
    return std::find(CanadianProvinceCodes.begin(), CanadianProvinceCodes.end(),
                     text) != CanadianProvinceCodes.end();
  };
  for (const std::string_view code : CanadianProvinceCodes) {
    EXPECT_EQ(FindCanadianProvince(code), code);
  }
  for (const ProvinceAlias& alias : CanadianProvinceAliases) {
    EXPECT_FALSE(isCode(alias.alias)) << alias.alias;
    EXPECT_TRUE(isCode(alias.code)) << alias.alias;
    EXPECT_EQ(FindCanadianProvince(alias.alias), alias.code);
  }
}

}  // namespace
}  // namespace kestrum
