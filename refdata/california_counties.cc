// SPDX-License-Identifier: MIT
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "refdata/county_search.h"
#include "refdata/county_tables.h"

namespace kestrum {

namespace {

// The county abbreviations of the California QSO party: 58 counties, two to
// four keys each. Sorted by key in ascending unsigned byte order; the binary
// search depends on it.
// clang-format off
constexpr auto CaliforniaCounties = std::to_array<CountyPair>({
    {"ALA",  "Alameda"},
    {"ALAM", "Alameda"},
    {"ALP",  "Alpine"},
    {"ALPI", "Alpine"},
    {"AMA",  "Amador"},
    {"AMAD", "Amador"},
    {"AMD",  "Amador"},
    {"BAR",  "Santa Barbara"},
    {"BEN",  "San Benito"},
    {"BER",  "San Bernardino"},
    {"BUT",  "Butte"},
    {"BUTT", "Butte"},
    {"CALA", "Calaveras"},
    {"CALV", "Calaveras"},
    {"CCOS", "Contra Costa"},
    {"CLA",  "Santa Clara"},
    {"COL",  "Colusa"},
    {"COLU", "Colusa"},
    {"CONT", "Contra Costa"},
    {"CRU",  "Santa Cruz"},
    {"DELN", "Del Norte"},
    {"DIE",  "San Diego"},
    {"DOR",  "El Dorado"},
    {"ELD",  "El Dorado"},
    {"ELDO", "El Dorado"},
    {"FRAN", "San Francisco"},
    {"FRE",  "Fresno"},
    {"FRES", "Fresno"},
    {"FRIS", "San Francisco"},
    {"FRS",  "Fresno"},
    {"GLE",  "Glenn"},
    {"GLEN", "Glenn"},
    {"HUM",  "Humboldt"},
    {"HUMB", "Humboldt"},
    {"IMP",  "Imperial"},
    {"IMPE", "Imperial"},
    {"INY",  "Inyo"},
    {"INYO", "Inyo"},
    {"JOA",  "San Joaquin"},
    {"KER",  "Kern"},
    {"KERN", "Kern"},
    {"KIN",  "Kings"},
    {"KING", "Kings"},
    {"LAK",  "Lake"},
    {"LAKE", "Lake"},
    {"LAN",  "Los Angeles"},
    {"LANG", "Los Angeles"},
    {"LAS",  "Lassen"},
    {"LASS", "Lassen"},
    {"LAX",  "Los Angeles"},
    {"LOS",  "Los Angeles"},
    {"LUIS", "San Luis Obispo"},
    {"MAD",  "Madera"},
    {"MADE", "Madera"},
    {"MARI", "Mariposa"},
    {"MARN", "Marin"},
    {"MARP", "Mariposa"},
    {"MAT",  "San Mateo"},
    {"MEN",  "Mendocino"},
    {"MEND", "Mendocino"},
    {"MER",  "Merced"},
    {"MERC", "Merced"},
    {"MOD",  "Modoc"},
    {"MODO", "Modoc"},
    {"MONO", "Mono"},
    {"MONT", "Monterey"},
    {"NAP",  "Napa"},
    {"NAPA", "Napa"},
    {"NEV",  "Nevada"},
    {"NEVA", "Nevada"},
    {"NOR",  "Del Norte"},
    {"OBI",  "San Luis Obispo"},
    {"ORA",  "Orange"},
    {"ORAN", "Orange"},
    {"ORG",  "Orange"},
    {"PLA",  "Placer"},
    {"PLAC", "Placer"},
    {"PLU",  "Plumas"},
    {"PLUM", "Plumas"},
    {"RIV",  "Riverside"},
    {"RIVE", "Riverside"},
    {"RVR",  "Riverside"},
    {"SAC",  "Sacramento"},
    {"SACR", "Sacramento"},
    {"SAND", "San Diego"},
    {"SANF", "San Francisco"},
    {"SANJ", "San Joaquin"},
    {"SANL", "San Luis Obispo"},
    {"SANM", "San Mateo"},
    {"SBAR", "Santa Barbara"},
    {"SBEN", "San Benito"},
    {"SBER", "San Bernardino"},
    {"SCL",  "Santa Clara"},
    {"SCLA", "Santa Clara"},
    {"SCRU", "Santa Cruz"},
    {"SCRZ", "Santa Cruz"},
    {"SCV",  "Santa Clara"},
    {"SDG",  "San Diego"},
    {"SDGO", "San Diego"},
    {"SDI",  "San Diego"},
    {"SDIE", "San Diego"},
    {"SF",   "San Francisco"},
    {"SFRA", "San Francisco"},
    {"SHA",  "Shasta"},
    {"SHAS", "Shasta"},
    {"SIE",  "Sierra"},
    {"SIER", "Sierra"},
    {"SIS",  "Siskiyou"},
    {"SISK", "Siskiyou"},
    {"SJ",   "San Joaquin"},
    {"SJOA", "San Joaquin"},
    {"SL",   "San Luis Obispo"},
    {"SLUI", "San Luis Obispo"},
    {"SMAT", "San Mateo"},
    {"SOL",  "Solano"},
    {"SOLA", "Solano"},
    {"SON",  "Sonoma"},
    {"SONO", "Sonoma"},
    {"STA",  "Stanislaus"},
    {"STAN", "Stanislaus"},
    {"SUT",  "Sutter"},
    {"SUTT", "Sutter"},
    {"TEH",  "Tehama"},
    {"TEHA", "Tehama"},
    {"TRI",  "Trinity"},
    {"TRIN", "Trinity"},
    {"TUL",  "Tulare"},
    {"TULA", "Tulare"},
    {"TUO",  "Tuolumne"},
    {"TUOL", "Tuolumne"},
    {"VEN",  "Ventura"},
    {"VENT", "Ventura"},
    {"YOL",  "Yolo"},
    {"YOLO", "Yolo"},
    {"YUB",  "Yuba"},
    {"YUBA", "Yuba"},
});
static_assert(CaliforniaCounties.size() == 136);
static_assert(IsSortedByKey(CaliforniaCounties));
// clang-format on

}  // namespace

std::span<const CountyPair> CaliforniaCountyTable() {
  return CaliforniaCounties;
}

std::optional<std::string_view> FindCaliforniaCounty(std::string_view key) {
  const CountyPair* row = FindCountyRow<CountyPair>(CaliforniaCounties, key);
  if (row == nullptr) return std::nullopt;
  return row->county;
}

}  // namespace kestrum
