// SPDX-License-Identifier: MIT
// The NameTable: the texts that the small band, contest and mode numbers of a
// log stand for. Bands, contests and modes travel through the conversion as
// these numbers; the look-ups below turn them into texts and never read
// outside the table (a number without an entry gives the empty text).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrum {

// Sizes and starts of the four consecutive ranges of the NameTable.
inline constexpr int kBandNameCount = 22;     // band index 0-21
inline constexpr int kContestCodeCount = 28;  // contest index 0-27
inline constexpr int kModeNameCount = 5;      // mode index 0-4
inline constexpr int kBandNameStart = 0;
inline constexpr int kContestCodeStart = kBandNameStart + kBandNameCount;
inline constexpr int kHeaderModeNameStart =
    kContestCodeStart + kContestCodeCount;
inline constexpr int kAdifModeNameStart = kHeaderModeNameStart + kModeNameCount;
inline constexpr int kNameTableSize = kAdifModeNameStart + kModeNameCount;

// The 60 texts: band names, contest codes, the mode names of 7.xx headers and
// the ADIF mode names. Entry 0 of each band and mode range is empty: no value.
extern const std::array<std::string_view, kNameTableSize> NameTable;

// Band name of a band index (0-21); "" for 0 and for any index without a name
// (22, the satellite rows of the band remap, included).
std::string_view BandName(int bandIndex);

// Contest code of a contest index (0-27); "" for 28 and above, and below 0.
std::string_view ContestCode(int contestIndex);

// Mode name as a 7.xx header writes it ("CW", "SSB", "RTY", "FM") of a mode
// index 1-4; "" otherwise.
std::string_view HeaderModeName(int modeIndex);

// ADIF mode name ("CW", "SSB", "RTTY", "FM") of a mode index 1-4; ""
// otherwise, so that no MODE field is written.
std::string_view AdifModeName(int modeIndex);

}  // namespace kestrum
