// SPDX-License-Identifier: MIT
// The 13 Canadian province and territory codes and the 15 aliases that
// operators send for them ("QUE" for QC, "NWT" for NT, ...).
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kestrum {

struct ProvinceAlias {
  std::string_view alias;
  std::string_view code;
};

// Searched in this order.
extern const std::array<std::string_view, 13> CanadianProvinceCodes;
extern const std::array<ProvinceAlias, 15> CanadianProvinceAliases;

// The province code that `text` stands for: itself when it is one of the
// codes, the mapped code when it is an alias; nothing otherwise. Exact and
// case-sensitive ("Que" is not found).
std::optional<std::string_view> FindCanadianProvince(std::string_view text);

}  // namespace kestrum
