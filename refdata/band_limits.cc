// SPDX-License-Identifier: MIT
#include "refdata/band_limits.h"

#include <array>
#include <cstddef>

namespace kestrum {

namespace {

// Lower and upper band edge in MHz, keyed by band index (0-21).
// clang-format off
constexpr auto BandLimits = std::to_array<BandLimit>({
    {0,      0},       //  0: no band
    {1.8,    2.0},     //  1: 160M
    {3.5,    4.0},     //  2: 80M
    {7.0,    7.3},     //  3: 40M
    {10.1,   10.15},   //  4: 30M
    {14.0,   14.35},   //  5: 20M
    {18.068, 18.168},  //  6: 17M
    {21.0,   21.45},   //  7: 15M
    {24.89,  24.99},   //  8: 12M
    {28.0,   29.7},    //  9: 10M
    {50,     54},      // 10: 6M
    {144,    148},     // 11: 2M
    {222,    225},     // 12: 1.25M
    {420,    450},     // 13: 70CM
    {902,    928},     // 14: 33CM
    {1240,   1300},    // 15: 23CM
    {2300,   2450},    // 16: 13CM
    {3300,   3500},    // 17: 9CM
    {5650,   5925},    // 18: 6CM
    {10000,  10500},   // 19: 3CM
    {24000,  24250},   // 20: 1.25CM
    {300000, 350000},  // 21: LHT
});
static_assert(BandLimits.size() == 22);
// clang-format on

// One kHz of slack on either side of every band edge.
constexpr double kEdgeToleranceMhz = 0.001;

}  // namespace

bool IsInBand(double megahertz, int bandIndex) {
  if (bandIndex < 0 ||
      static_cast<std::size_t>(bandIndex) >= BandLimits.size()) {
    return false;
  }
  const BandLimit& limit = BandLimits[static_cast<std::size_t>(bandIndex)];
  return megahertz >= limit.lowerMhz - kEdgeToleranceMhz &&
         megahertz <= limit.upperMhz + kEdgeToleranceMhz;
}

}  // namespace kestrum
