// SPDX-License-Identifier: MIT
#include "refdata/name_table.h"

#include <array>
#include <string_view>

namespace kestrum {

// Band, contest and mode numbers are stored in log files: never renumber.
// clang-format off
constexpr std::array<std::string_view, kNameTableSize> NameTable =
    std::to_array<std::string_view>({
    // Band names, entry = band index.
    "",         //  0: no band
    "160M",     //  1
    "80M",      //  2
    "40M",      //  3
    "30M",      //  4
    "20M",      //  5
    "17M",      //  6
    "15M",      //  7
    "12M",      //  8
    "10M",      //  9
    "6M",       // 10
    "2M",       // 11
    "1.25M",    // 12
    "70CM",     // 13
    "33CM",     // 14
    "23CM",     // 15
    "13CM",     // 16
    "9CM",      // 17
    "6CM",      // 18
    "3CM",      // 19
    "1.25CM",   // 20
    "LHT",      // 21
    // Contest codes, entry = 22 + contest index.
    "CQWW",     // 22: contest  0
    "C160",     // 23: contest  1
    "WPX",      // 24: contest  2
    "ARRL",     // 25: contest  3
    "ARDX",     // 26: contest  4
    "AR10",     // 27: contest  5
    "A160",     // 28: contest  6
    "SS",       // 29: contest  7
    "VHF",      // 30: contest  8
    "FD",       // 31: contest  9
    "WAE",      // 32: contest 10
    "DXPN",     // 33: contest 11
    "CQP",      // 34: contest 12
    "IARU",     // 35: contest 13
    "AA",       // 36: contest 14
    "VHFS",     // 37: contest 15
    "WAEE",     // 38: contest 16
    "AAA",      // 39: contest 17
    "WRTC",     // 40: contest 18
    "RAC",      // 41: contest 19
    "IOTA",     // 42: contest 20
    "FQP",      // 43: contest 21
    "FQPNF",    // 44: contest 22
    "RACW",     // 45: contest 23
    "ODX",      // 46: contest 24
    "PACC",     // 47: contest 25
    "NEQP",     // 48: contest 26
    "NEQP_N",   // 49: contest 27
    // Mode names as a 7.xx header writes them, entry = 50 + mode index.
    "",         // 50: no mode
    "CW",       // 51
    "SSB",      // 52
    "RTY",      // 53
    "FM",       // 54
    // ADIF mode names, entry = 55 + mode index.
    "",         // 55: no mode
    "CW",       // 56
    "SSB",      // 57
    "RTTY",     // 58
    "FM",       // 59
});
// clang-format on

namespace {

// The entry `index` of the range [start, start + count), or "" outside it.
std::string_view RangeEntry(int start, int count, int index) {
  if (index < 0 || index >= count) return {};
  return NameTable[static_cast<std::size_t>(start) +
                   static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view BandName(int bandIndex) {
  return RangeEntry(kBandNameStart, kBandNameCount, bandIndex);
}

std::string_view ContestCode(int contestIndex) {
  return RangeEntry(kContestCodeStart, kContestCodeCount, contestIndex);
}

std::string_view HeaderModeName(int modeIndex) {
  return RangeEntry(kHeaderModeNameStart, kModeNameCount, modeIndex);
}

std::string_view AdifModeName(int modeIndex) {
  return RangeEntry(kAdifModeNameStart, kModeNameCount, modeIndex);
}

}  // namespace kestrum
