// SPDX-License-Identifier: MIT
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "refdata/county_search.h"
#include "refdata/county_tables.h"

namespace kestrum {

namespace {

// The county abbreviations of the New England QSO party: 67 counties of CT,
// MA, ME, NH, RI and VT, each with a three-letter and a four-letter key.
// Sorted by key in ascending unsigned byte order; the binary search depends
// on it. FRAM is both Franklin MA and Franklin ME: the MA row must stay first,
// so that the search finds ME (Franklin MA is reached by FRA).
// clang-format off
constexpr auto NewEnglandCounties = std::to_array<CountyTriple>({
    {"ADD",  "VT", "Addison"},
    {"ADDV", "VT", "Addison"},
    {"AND",  "ME", "Androscoggin"},
    {"ANDM", "ME", "Androscoggin"},
    {"ARO",  "ME", "Aroostook"},
    {"AROM", "ME", "Aroostook"},
    {"BAR",  "MA", "Barnstable"},
    {"BARM", "MA", "Barnstable"},
    {"BEL",  "NH", "Belknap"},
    {"BELN", "NH", "Belknap"},
    {"BEN",  "VT", "Bennington"},
    {"BENV", "VT", "Bennington"},
    {"BER",  "MA", "Berkshire"},
    {"BERM", "MA", "Berkshire"},
    {"BRIM", "MA", "Bristol"},
    {"BRIR", "RI", "Bristol"},
    {"BRM",  "MA", "Bristol"},
    {"BRR",  "RI", "Bristol"},
    {"CAL",  "VT", "Caledonia"},
    {"CALV", "VT", "Caledonia"},
    {"CAR",  "NH", "Carroll"},
    {"CARN", "NH", "Carroll"},
    {"CHE",  "NH", "Cheshire"},
    {"CHEN", "NH", "Cheshire"},
    {"CHI",  "VT", "Chittenden"},
    {"CHIV", "VT", "Chittenden"},
    {"COO",  "NH", "Coos"},
    {"COON", "NH", "Coos"},
    {"CUM",  "ME", "Cumberland"},
    {"CUMM", "ME", "Cumberland"},
    {"DUK",  "MA", "Dukes"},
    {"DUKM", "MA", "Dukes"},
    {"ESM",  "MA", "Essex"},
    {"ESSM", "MA", "Essex"},
    {"ESSV", "VT", "Essex"},
    {"ESV",  "VT", "Essex"},
    {"FAI",  "CT", "Fairfield"},
    {"FAIC", "CT", "Fairfield"},
    {"FRA",  "MA", "Franklin"},
    {"FRAM", "MA", "Franklin"},
    {"FRAM", "ME", "Franklin"},
    {"FRAV", "VT", "Franklin"},
    {"FRE",  "ME", "Franklin"},
    {"FRV",  "VT", "Franklin"},
    {"GRAN", "NH", "Grafton"},
    {"GRAV", "VT", "Grand Isle"},
    {"GRN",  "NH", "Grafton"},
    {"GRV",  "VT", "Grand Isle"},
    {"HAN",  "ME", "Hancock"},
    {"HANM", "ME", "Hancock"},
    {"HAR",  "CT", "Hartford"},
    {"HARC", "CT", "Hartford"},
    {"HIL",  "NH", "Hillsborough"},
    {"HILN", "NH", "Hillsborough"},
    {"HMD",  "MA", "Hampden"},
    {"HMDM", "MA", "Hampden"},
    {"HMP",  "MA", "Hampshire"},
    {"HMPM", "MA", "Hampshire"},
    {"KEN",  "ME", "Kennebec"},
    {"KENM", "ME", "Kennebec"},
    {"KENR", "RI", "Kent"},
    {"KNO",  "ME", "Knox"},
    {"KNOM", "ME", "Knox"},
    {"KNT",  "RI", "Kent"},
    {"LAM",  "VT", "Lamoille"},
    {"LAMV", "VT", "Lamoille"},
    {"LIN",  "ME", "Lincoln"},
    {"LINM", "ME", "Lincoln"},
    {"LIT",  "CT", "Litchfield"},
    {"LITC", "CT", "Litchfield"},
    {"MER",  "NH", "Merrimack"},
    {"MERN", "NH", "Merrimack"},
    {"MIC",  "CT", "Middlesex"},
    {"MIDC", "CT", "Middlesex"},
    {"MIDM", "MA", "Middlesex"},
    {"MIM",  "MA", "Middlesex"},
    {"NAN",  "MA", "Nantucket"},
    {"NANM", "MA", "Nantucket"},
    {"NEW",  "RI", "Newport"},
    {"NEWR", "RI", "Newport"},
    {"NHV",  "CT", "New Haven"},
    {"NHVC", "CT", "New Haven"},
    {"NLN",  "CT", "New London"},
    {"NLNC", "CT", "New London"},
    {"NOR",  "MA", "Norfolk"},
    {"NORM", "MA", "Norfolk"},
    {"ORA",  "VT", "Orange"},
    {"ORAV", "VT", "Orange"},
    {"ORL",  "VT", "Orleans"},
    {"ORLV", "VT", "Orleans"},
    {"OXF",  "ME", "Oxford"},
    {"OXFM", "ME", "Oxford"},
    {"PEN",  "ME", "Penobscot"},
    {"PENM", "ME", "Penobscot"},
    {"PIS",  "ME", "Piscataquis"},
    {"PISM", "ME", "Piscataquis"},
    {"PLY",  "MA", "Plymouth"},
    {"PLYM", "MA", "Plymouth"},
    {"PRO",  "RI", "Providence"},
    {"PROR", "RI", "Providence"},
    {"ROC",  "NH", "Rockingham"},
    {"ROCN", "NH", "Rockingham"},
    {"RUT",  "VT", "Rutland"},
    {"RUTV", "VT", "Rutland"},
    {"SAG",  "ME", "Sagadahoc"},
    {"SAGM", "ME", "Sagadahoc"},
    {"SOM",  "ME", "Somerset"},
    {"SOMM", "ME", "Somerset"},
    {"STR",  "NH", "Strafford"},
    {"STRN", "NH", "Strafford"},
    {"SUF",  "MA", "Suffolk"},
    {"SUFM", "MA", "Suffolk"},
    {"SUL",  "NH", "Sullivan"},
    {"SULN", "NH", "Sullivan"},
    {"TOL",  "CT", "Tolland"},
    {"TOLC", "CT", "Tolland"},
    {"WAL",  "ME", "Waldo"},
    {"WALM", "ME", "Waldo"},
    {"WAM",  "ME", "Washington"},
    {"WAR",  "RI", "Washington"},
    {"WASM", "ME", "Washington"},
    {"WASR", "RI", "Washington"},
    {"WASV", "VT", "Washington"},
    {"WAV",  "VT", "Washington"},
    {"WIN",  "CT", "Windham"},
    {"WINC", "CT", "Windham"},
    {"WND",  "VT", "Windsor"},
    {"WNDV", "VT", "Windsor"},
    {"WNH",  "VT", "Windham"},
    {"WNHV", "VT", "Windham"},
    {"WOR",  "MA", "Worcester"},
    {"WORM", "MA", "Worcester"},
    {"YOR",  "ME", "York"},
    {"YORM", "ME", "York"},
});
static_assert(NewEnglandCounties.size() == 134);
static_assert(IsSortedByKey(NewEnglandCounties));
// clang-format on

}  // namespace

std::span<const CountyTriple> NewEnglandCountyTable() {
  return NewEnglandCounties;
}

std::optional<CountyMatch> FindNewEnglandCounty(std::string_view key) {
  const CountyTriple* row =
      FindCountyRow<CountyTriple>(NewEnglandCounties, key);
  if (row == nullptr) return std::nullopt;
  return CountyMatch{row->state, row->county};
}

}  // namespace kestrum
