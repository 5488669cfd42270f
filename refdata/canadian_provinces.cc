// SPDX-License-Identifier: MIT
#include "refdata/canadian_provinces.h"

#include <array>
#include <optional>
#include <string_view>

namespace kestrum {

// The 13 province and territory codes, searched in this order.
// clang-format off
constexpr std::array<std::string_view, 13> CanadianProvinceCodes =
    std::to_array<std::string_view>({
    "NS",
    "QC",
    "ON",
    "MB",
    "SK",
    "AB",
    "BC",
    "NT",
    "NB",
    "NL",
    "YT",
    "PE",
    "NU",
});

// Older and longer forms that operators still send, with the code each stands
// for. Searched after the codes, in this order.
constexpr std::array<ProvinceAlias, 15> CanadianProvinceAliases =
    std::to_array<ProvinceAlias>({
    {"NF",  "NL"},
    {"NFL", "NL"},
    {"LB",  "NL"},
    {"LAB", "NL"},
    {"PEI", "PE"},
    {"PQ",  "QC"},
    {"QU",  "QC"},
    {"QUE", "QC"},
    {"ONT", "ON"},
    {"MAN", "MB"},
    {"SA",  "SK"},
    {"ALT", "AB"},
    {"ALB", "AB"},
    {"NWT", "NT"},
    {"YU",  "YT"},
});
// clang-format on

std::optional<std::string_view> FindCanadianProvince(std::string_view text) {
  for (const std::string_view code : CanadianProvinceCodes) {
    if (text == code) return code;
  }
  for (const ProvinceAlias& alias : CanadianProvinceAliases) {
    if (text == alias.alias) return alias.code;
  }
  return std::nullopt;
}

}  // namespace kestrum
