// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "refdata/band_limits.h"
#include "refdata/band_remap.h"
#include "refdata/default_rst.h"
#include "refdata/name_table.h"

namespace kestrum {
namespace {

struct RemapCase {
  int contest;
  int version;
  int band;
  int bandIndex;
};

void ExpectRemaps(std::initializer_list<RemapCase> cases) {
  for (const RemapCase& c : cases) {
    EXPECT_EQ(RemapBand(c.contest, c.version, c.band), c.bandIndex)
        << "contest " << c.contest << ", version " << c.version << ", band "
        << c.band;
  }
}

TEST(BandRemapTest, MostContestsUseTheSixContestBands) {
  ExpectRemaps({
      {0, 1000, 1, 1},
      {0, 1000, 2, 2},
      {0, 1000, 3, 3},
      {0, 1000, 4, 5},
      {0, 1000, 5, 7},
      {0, 1000, 6, 9},
      {0, 1000, 0, 0},
      {0, 1000, 7, 0},
      {0, 700, 8, 0},
      {0, 700, 15, 0},
      {12, 1000, 4, 5},
      {27, 1004, 1, 1},
      {27, 1100, 6, 9},
      {29, 1000, 1, 1},
      {30, 1000, 1, 1},
      {-1, 1000, 1, 1},
      {255, 1000, 6, 9},
  });
}

TEST(BandRemapTest, Ar10IsAlwaysTenMetres) {
  ExpectRemaps({
      {5, 700, 0, 9},
      {5, 1000, 3, 9},
      {5, 1000, 255, 9},
      {5, 1000, -1, 9},
  });
}

TEST(BandRemapTest, FieldDayTableDependsOnVersion) {
  ExpectRemaps({
      {9, 850, 11, 3},
      {9, 850, 13, 11},
      {9, 899, 12, 22},
      {9, 899, 14, 0},
      {9, 899, 16, 0},
      {9, 900, 3, 2},
      {9, 950, 3, 2},
      {9, 950, 17, 11},
      {9, 984, 16, 22},
      {9, 984, 15, 15},
      {9, 984, 19, 0},
      {9, 984, 20, 0},
      {9, 985, 12, 16},
      {9, 985, 13, 17},
      {9, 985, 3, 3},
      {9, 985, 16, 0},
      {9, 985, 17, 0},
  });
}

TEST(BandRemapTest, OtherContestsWithTheirOwnTables) {
  ExpectRemaps({
      // New England QSO party: no 160M from 10.04 on.
      {26, 1003, 1, 1},
      {26, 1004, 1, 2},
      {26, 1004, 5, 9},
      {26, 1004, 6, 0},
      // Contest 28 numbers its bands from 0.
      {28, 1000, 0, 1},
      {28, 1000, 5, 9},
      {28, 1000, 6, 0},
      // VHF contests.
      {8, 1000, 1, 10},
      {8, 1000, 5, 14},
      {15, 1000, 5, 14},
      {15, 1000, 12, 21},
      {15, 1000, 13, 0},
      {8, 1000, 20, 0},
      // Contest 11 (DXPN): band numbers 1 to 11 are their own band index.
      {11, 1000, 4, 4},
      {11, 1000, 11, 11},
      {11, 1000, 12, 13},
      {11, 980, 13, 22},
      {11, 1000, 16, 0},
      // Florida QSO party: 40M to 10M.
      {21, 1000, 1, 3},
      {22, 1000, 4, 9},
      {21, 1000, 5, 0},
      {22, 1000, 8, 0},
  });
}

// A log can hold any contest number and band number; the result must still be
// a band index that names a band, 0, or the satellite index.
TEST(BandRemapTest, AnyInputGivesAKnownBandIndex) {
  for (int contest = -1; contest <= 256; ++contest) {
    for (const int version : {0, 700, 899, 900, 984, 985, 1003, 1004, 9999}) {
      for (int band = -2; band <= 256; ++band) {
        const int index = RemapBand(contest, version, band);
        ASSERT_GE(index, 0);
        ASSERT_LE(index, kSatelliteBandIndex);
        if (index != 0 && index != kSatelliteBandIndex) {
          ASSERT_FALSE(BandName(index).empty()) << index;
        }
        if (band >= 20 && contest != 5) {
          ASSERT_EQ(index, 0);
        }
      }
    }
  }
}

TEST(BandLimitsTest, EdgesHaveOneKilohertzOfSlack) {
  const struct {
    double megahertz;
    int bandIndex;
    bool inBand;
  } cases[] = {
      {14.3505, 5, true},  {14.352, 5, false}, {13.9995, 5, true},
      {13.998, 5, false},  {0.0, 0, true},     {0.0005, 0, true},
      {0.002, 0, false},   {0.0, 1, false},    {0.0, 21, false},
      {14.0, 22, false},   {0.0, 22, false},   {14.0, -1, false},
      {14.0, 1000, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsInBand(c.megahertz, c.bandIndex), c.inBand)
        << c.megahertz << " MHz, band index " << c.bandIndex;
  }
}

// One typical operating frequency per band lies in that band and no other,
// and frequencies between bands lie in none, so a shifted or mistyped row of
// limits shows up here.
TEST(BandLimitsTest, TypicalFrequencyLiesInItsBandOnly) {
  const double typical[kBandNameCount] = {
      0,      1.83,   3.55,   7.02,    10.11,   14.025, 18.08, 21.025,
      24.9,   28.4,   50.125, 144.2,   223.5,   432.1,  903.1, 1296.1,
      2304.1, 3456.1, 5760.1, 10368.1, 24192.1, 320000,
  };
  for (int band = 1; band < kBandNameCount; ++band) {
    for (int other = 0; other < kBandNameCount; ++other) {
      EXPECT_EQ(IsInBand(typical[band], other), band == other)
          << typical[band] << " MHz (" << BandName(band) << "), band index "
          << other << " (" << BandName(other) << ")";
    }
  }
  for (const double between :
       {2.5,    5.0,    7.5,    10.2,   14.5,    19.0,     22.0,
        26.0,   40.0,   100.0,  200.0,  300.0,   600.0,    1000.0,
        2000.0, 3000.0, 4000.0, 8000.0, 20000.0, 100000.0, 400000.0}) {
    for (int band = 0; band < kBandNameCount; ++band) {
      EXPECT_FALSE(IsInBand(between, band))
          << between << " MHz, band index " << band;
    }
  }
}

TEST(DefaultRstTest, ReportOfEveryModeIndex) {
  const int reports[] = {0, 599, 59, 599, 59};
  for (int mode = 0; mode < 5; ++mode) {
    EXPECT_EQ(DefaultRst(mode), reports[mode]) << "mode " << mode;
  }
  for (const int mode : {-1, 5, 255}) {
    EXPECT_EQ(DefaultRst(mode), 0) << "mode " << mode;
  }
}

}  // namespace
}  // namespace kestrum
