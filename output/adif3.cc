// SPDX-License-Identifier: MIT
#include "output/adif3.h"

#include <cstddef>

#include "base/c_text.h"
#include "refdata/ascii_letters.h"

namespace kestrum {
namespace {

std::string PowerInWatts(std::string_view text) {
  std::size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  std::string_view number = text.substr(0, digits);
  std::string_view fraction;
  if (digits < text.size() && text[digits] == '.' && digits > 0) {
    std::size_t end = digits + 1;
    while (end < text.size() && IsDigit(text[end])) ++end;
    fraction = text.substr(digits + 1, end - digits - 1);
    digits = end;
  }
  const std::string_view unit = text.substr(digits);
  if (unit.empty()) {
    return fraction.empty() && !number.empty() ? std::string(text) : "";
  }
  if (unit != "K" && unit != "KW") return "";
  if (number.empty()) return "1000";
  // Times 1000: move the decimal point three places to the right.
  std::string watts(number);
  std::string rest(fraction);
  if (rest.size() < 3) rest.append(3 - rest.size(), '0');
  watts.append(rest, 0, 3);
  if (rest.size() > 3) {
    watts.push_back('.');
    watts.append(rest, 3);
  }
  // No leading zeros, but one stays alone or before the decimal point.
  std::size_t leading = 0;
  while (leading + 1 < watts.size() && watts[leading] == '0' &&
         watts[leading + 1] != '.') {
    ++leading;
  }
  watts.erase(0, leading);
  return watts;
}

}  // namespace

std::string_view AdifVersionField(bool adif3) {
  return adif3 ? "<ADIF_VER:5>3.1.4\n" : "<ADIF_VER:5>2.1.7\n";
}

std::string_view BandValue(std::string_view bandName, bool adif3) {
  return adif3 && bandName == "LHT" ? "SUBMM" : bandName;
}

std::string_view FlagsFieldName(bool adif3) {
  return adif3 ? "APP_ZR_FLAGS" : "FLAGS";
}

std::string_view ProvinceFieldName(bool adif3) {
  return adif3 ? "STATE" : "VE_PROV";
}

std::string_view SectionValue(std::string_view section, bool adif3) {
  return adif3 && section == "DX" ? std::string_view() : section;
}

std::string ReceivedPowerValue(std::string_view exchange, bool adif3) {
  return adif3 ? PowerInWatts(exchange) : std::string(exchange);
}

std::string_view CanadianContestId(bool winter, bool adif3) {
  if (!adif3) return "RAC";
  return winter ? "RAC-CANADA-WINTER" : "RAC-CANADA-DAY";
}

std::optional<std::string> AsciiValue(std::string_view value, bool adif3) {
  if (!NeedsAsciiSpelling(value, adif3)) return std::nullopt;
  std::string ascii;
  ascii.reserve(value.size() + 8);
  for (const char c : value)
    ascii += AsciiLetters(static_cast<unsigned char>(c));
  return ascii;
}

}  // namespace kestrum
