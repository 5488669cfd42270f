// SPDX-License-Identifier: MIT
// The "ADIF 3" option: every point in which ADIF 3.1.4 output differs from
// the default ADIF 2.1.7 output, in one place. The writer and the translation
// ask these functions, passing the option, instead of testing it themselves;
// with `adif3` false each gives the ADIF 2.1.7 text unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// The header field that names the ADIF version, with its line feed.
std::string_view AdifVersionField(bool adif3);

// The BAND value of a band name: ADIF 3 calls the band above 300 GHz
// "SUBMM" where ADIF 2 says "LHT".
std::string_view BandValue(std::string_view bandName, bool adif3);

// The name of the field that carries the flag tag: ADIF 3 has a FLAGS
// field of another meaning, so the tag goes into an application field.
std::string_view FlagsFieldName(bool adif3);

// The name of the field for a Canadian province: ADIF 3 reads VE_PROV only
// in old files and wants STATE.
std::string_view ProvinceFieldName(bool adif3);

// The ARRL_SECT value of a received section: ADIF 3 has no section "DX"
// for stations abroad, which then get none ("").
std::string_view SectionValue(std::string_view section, bool adif3);

// The RX_PWR value of a received power exchange. ADIF 3 wants a number of
// watts: "100" stays, "K", "KW", "1K" and "1.5KW" become 1000, 1000, 1000
// and 1500, and anything else is no power ("").
std::string ReceivedPowerValue(std::string_view exchange, bool adif3);

// The CONTEST_ID of the Canada Day (index 19) and Canada Winter (index 23)
// contests, which ADIF 2 names "RAC" both.
std::string_view CanadianContestId(bool winter, bool adif3);

// In ADIF 3 every field value is ASCII: for a value with bytes above 127,
// the value spelled in ASCII (code page 1252 letters without their accents,
// "M\xFCller" gives "Muller"). Nothing when the value can be written as it
// is: always in ADIF 2, which keeps the log's bytes.
std::optional<std::string> AsciiValue(std::string_view value, bool adif3);

// Whether AsciiValue gives a value: a quick test for every field written.
inline bool NeedsAsciiSpelling(std::string_view value, bool adif3) {
  if (!adif3) return false;
  for (const char c : value) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace kestrum
