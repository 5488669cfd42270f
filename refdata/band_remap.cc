// SPDX-License-Identifier: MIT
#include "refdata/band_remap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kestrum {

namespace {

// Each table maps a record's band number (the row) to a band index of the
// NameTable; kSat marks the satellite rows. Band numbers are stored in log
// files: never renumber.
constexpr std::uint8_t kSat = kSatelliteBandIndex;

// clang-format off

// Table A: the six contest bands; most contests use it.
constexpr auto BandRemapA = std::to_array<std::uint8_t>({
    0,     //  0
    1,     //  1: 160M
    2,     //  2: 80M
    3,     //  3: 40M
    5,     //  4: 20M
    7,     //  5: 15M
    9,     //  6: 10M
    0,     //  7
});
static_assert(BandRemapA.size() == 8);

// Table B: Field Day before 9.00.
constexpr auto BandRemapB = std::to_array<std::uint8_t>({
    0,     //  0
    1,     //  1: 160M
    2,     //  2: 80M
    3,     //  3: 40M
    5,     //  4: 20M
    6,     //  5: 17M
    7,     //  6: 15M
    8,     //  7: 12M
    9,     //  8: 10M
    10,    //  9: 6M
    11,    // 10: 2M
    3,     // 11: 40M
    kSat,  // 12: satellite
    11,    // 13: 2M
    0,     // 14
    0,     // 15
});
static_assert(BandRemapB.size() == 16);

// Table C: Field Day from 9.00 to 9.84.
constexpr auto BandRemapC = std::to_array<std::uint8_t>({
    0,     //  0
    1,     //  1: 160M
    2,     //  2: 80M
    2,     //  3: 80M
    3,     //  4: 40M
    3,     //  5: 40M
    5,     //  6: 20M
    7,     //  7: 15M
    7,     //  8: 15M
    9,     //  9: 10M
    9,     // 10: 10M
    10,    // 11: 6M
    11,    // 12: 2M
    12,    // 13: 1.25M
    13,    // 14: 70CM
    15,    // 15: 23CM
    kSat,  // 16: satellite
    11,    // 17: 2M
    0,     // 18
    0,     // 19
});
static_assert(BandRemapC.size() == 20);

// Table D: Field Day from 9.85 on.
constexpr auto BandRemapD = std::to_array<std::uint8_t>({
    0,     //  0
    1,     //  1: 160M
    2,     //  2: 80M
    3,     //  3: 40M
    5,     //  4: 20M
    7,     //  5: 15M
    9,     //  6: 10M
    10,    //  7: 6M
    11,    //  8: 2M
    12,    //  9: 1.25M
    13,    // 10: 70CM
    15,    // 11: 23CM
    16,    // 12: 13CM
    17,    // 13: 9CM
    0,     // 14
    0,     // 15
});
static_assert(BandRemapD.size() == 16);

// Table E: the Florida QSO party (no 160M and 80M).
constexpr auto BandRemapE = std::to_array<std::uint8_t>({
    0,     //  0
    3,     //  1: 40M
    5,     //  2: 20M
    7,     //  3: 15M
    9,     //  4: 10M
    0,     //  5
    0,     //  6
    0,     //  7
});
static_assert(BandRemapE.size() == 8);

// Table F: contest 11 (DXPN), every HF band including 30M, 17M and 12M.
constexpr auto BandRemapF = std::to_array<std::uint8_t>({
    0,     //  0
    1,     //  1: 160M
    2,     //  2: 80M
    3,     //  3: 40M
    4,     //  4: 30M
    5,     //  5: 20M
    6,     //  6: 17M
    7,     //  7: 15M
    8,     //  8: 12M
    9,     //  9: 10M
    10,    // 10: 6M
    11,    // 11: 2M
    13,    // 12: 70CM
    kSat,  // 13: satellite
    0,     // 14
    0,     // 15
});
static_assert(BandRemapF.size() == 16);

// Table G: contest 28, which numbers its bands from 0.
constexpr auto BandRemapG = std::to_array<std::uint8_t>({
    1,     //  0: 160M
    2,     //  1: 80M
    3,     //  2: 40M
    5,     //  3: 20M
    7,     //  4: 15M
    9,     //  5: 10M
    0,     //  6
    0,     //  7
});
static_assert(BandRemapG.size() == 8);

// Table H: the New England QSO party from 10.04 on (no 160M).
constexpr auto BandRemapH = std::to_array<std::uint8_t>({
    0,     //  0
    2,     //  1: 80M
    3,     //  2: 40M
    5,     //  3: 20M
    7,     //  4: 15M
    9,     //  5: 10M
    0,     //  6
    0,     //  7
});
static_assert(BandRemapH.size() == 8);

// Table I: the VHF contests, 6M and up.
constexpr auto BandRemapI = std::to_array<std::uint8_t>({
    0,     //  0
    10,    //  1: 6M
    11,    //  2: 2M
    12,    //  3: 1.25M
    13,    //  4: 70CM
    14,    //  5: 33CM
    15,    //  6: 23CM
    16,    //  7: 13CM
    17,    //  8: 9CM
    18,    //  9: 6CM
    19,    // 10: 3CM
    20,    // 11: 1.25CM
    21,    // 12: LHT
    0,     // 13
    0,     // 14
    0,     // 15
    0,     // 16
    0,     // 17
    0,     // 18
    0,     // 19
});
static_assert(BandRemapI.size() == 20);

// clang-format on

std::span<const std::uint8_t> ChooseTable(int contestIndex, int version) {
  switch (contestIndex) {
    case 8:
    case 15:
      return BandRemapI;
    case 9:
      if (version < 900) return BandRemapB;
      if (version < 985) return BandRemapC;
      return BandRemapD;
    case 11:
      return BandRemapF;
    case 21:
    case 22:
      return BandRemapE;
    case 26:
      return version >= 1004 ? std::span<const std::uint8_t>(BandRemapH)
                             : std::span<const std::uint8_t>(BandRemapA);
    case 28:
      return BandRemapG;
    default:
      return BandRemapA;
  }
}

}  // namespace

int RemapBand(int contestIndex, int version, int bandNumber) {
  // AR10 is a single-band contest; its logs carry no useful band number.
  if (contestIndex == 5) return 9;
  const std::span<const std::uint8_t> table =
      ChooseTable(contestIndex, version);
  if (bandNumber < 0 || static_cast<std::size_t>(bandNumber) >= table.size()) {
    return 0;
  }
  return table[static_cast<std::size_t>(bandNumber)];
}

}  // namespace kestrum
