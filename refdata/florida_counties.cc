// SPDX-License-Identifier: MIT
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "refdata/county_search.h"
#include "refdata/county_tables.h"

namespace kestrum {

namespace {

// The three-letter county abbreviations of the Florida QSO party: 67
// counties, one key each except Manatee (MAN, MAT, MTE). Sorted by key in
// ascending unsigned byte order; the binary search depends on it.
// clang-format off
constexpr auto FloridaCounties = std::to_array<CountyPair>({
    {"ALC", "Alachua"},
    {"BAK", "Baker"},
    {"BAY", "Bay"},
    {"BRA", "Bradford"},
    {"BRE", "Brevard"},
    {"BRO", "Broward"},
    {"CAH", "Calhoun"},
    {"CHA", "Charlotte"},
    {"CIT", "Citrus"},
    {"CLA", "Clay"},
    {"CLM", "Columbia"},
    {"CLR", "Collier"},
    {"DAD", "Miami-Dade"},
    {"DES", "DeSoto"},
    {"DIX", "Dixie"},
    {"DUV", "Duval"},
    {"ESC", "Escambia"},
    {"FLG", "Flagler"},
    {"FRA", "Franklin"},
    {"GAD", "Gadsden"},
    {"GIL", "Gilchrist"},
    {"GLA", "Glades"},
    {"GUL", "Gulf"},
    {"HAM", "Hamilton"},
    {"HAR", "Hardee"},
    {"HEN", "Hendry"},
    {"HER", "Hernando"},
    {"HIG", "Highlands"},
    {"HIL", "Hillsborough"},
    {"HOL", "Holmes"},
    {"IDR", "Indian River"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"LAF", "Lafayette"},
    {"LAK", "Lake"},
    {"LEE", "Lee"},
    {"LEO", "Leon"},
    {"LEV", "Levy"},
    {"LIB", "Liberty"},
    {"MAD", "Madison"},
    {"MAN", "Manatee"},
    {"MAO", "Marion"},
    {"MAT", "Manatee"},
    {"MON", "Monroe"},
    {"MRT", "Martin"},
    {"MTE", "Manatee"},
    {"NAS", "Nassau"},
    {"OKA", "Okaloosa"},
    {"OKE", "Okeechobee"},
    {"ORA", "Orange"},
    {"OSC", "Osceola"},
    {"PAL", "Palm Beach"},
    {"PAS", "Pasco"},
    {"PIN", "Pinellas"},
    {"POL", "Polk"},
    {"PUT", "Putnam"},
    {"SAN", "Santa Rosa"},
    {"SAR", "Sarasota"},
    {"SEM", "Seminole"},
    {"STJ", "Saint Johns"},
    {"STL", "Saint Lucie"},
    {"SUM", "Sumter"},
    {"SUW", "Suwannee"},
    {"TAY", "Taylor"},
    {"UNI", "Union"},
    {"VOL", "Volusia"},
    {"WAG", "Washington"},
    {"WAK", "Wakulla"},
    {"WAL", "Walton"},
});
static_assert(FloridaCounties.size() == 69);
static_assert(IsSortedByKey(FloridaCounties));
// clang-format on

}  // namespace

std::span<const CountyPair> FloridaCountyTable() { return FloridaCounties; }

std::optional<std::string_view> FindFloridaCounty(std::string_view key) {
  const CountyPair* row = FindCountyRow<CountyPair>(FloridaCounties, key);
  if (row == nullptr) return std::nullopt;
  return row->county;
}

}  // namespace kestrum
