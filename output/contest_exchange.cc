// SPDX-License-Identifier: MIT
#include "output/contest_exchange.h"

#include <cstdint>
#include <string>

#include "base/c_text.h"
#include "base/string_printf.h"
#include "core/messages.h"
#include "output/adif_writer.h"
#include "refdata/call_areas.h"
#include "refdata/canadian_provinces.h"
#include "refdata/county_tables.h"
#include "refdata/us_states.h"

namespace kestrum {
namespace {

// Sweepstakes logs before 9.42 keep the precedence in two flag bits.
constexpr int kFirstStoredPrecedenceVersion = 942;

// An exchange whose leading integer is not zero: "5" and "12AB" are numeric,
// "0", "00" and "HQ" are not.
bool IsNumeric(std::string_view exchange) {
  return LeadingInteger(exchange) != 0;
}

std::string Number(unsigned value) { return StringPrintf("%u", value); }

// VE_PROV, or STATE in ADIF 3 where VE_PROV is only read for old files.
void WriteProvince(ConversionContext& context, std::string_view code) {
  AddField(context, context.adif3 ? "STATE" : "VE_PROV", code);
  context.flagText = "/v" + std::string(code);
}

// ARRL_SECT, except that ADIF 3 has no section "DX" for stations abroad.
void WriteSection(ConversionContext& context, std::string_view section) {
  if (context.adif3 && section == "DX") return;
  AddField(context, "ARRL_SECT", section);
}

// The received power as ADIF 3 wants it, a number of watts: "100" stays,
// "K", "KW", "1K", "1.5KW" become 1000, 1000, 1000, 1500; anything else is
// not a power and gives "".
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

void WriteReceivedPower(ConversionContext& context, std::string_view exchange) {
  AddField(context, "RX_PWR",
           context.adif3 ? PowerInWatts(exchange) : std::string(exchange));
}

// CQ zones: one leading zero is dropped ("05" gives 5, "005" gives 05).
void WriteCqZone(const QsoRecord& qso, ConversionContext& context) {
  std::string zone = qso.exchange;
  if (!zone.empty() && zone.front() == '0') zone.erase(0, 1);
  AddField(context, "CQZ", zone);
  context.flagText = "/q" + zone;
}

void WriteItuZoneOrExchange(const QsoRecord& qso, ConversionContext& context) {
  if (!IsNumeric(qso.exchange)) {
    AddField(context, "SRX_STRING", qso.exchange);
    return;
  }
  const std::size_t start = qso.exchange.find_first_not_of('0');
  const std::string zone =
      start == std::string::npos ? std::string() : qso.exchange.substr(start);
  AddField(context, "ITUZ", zone);
  context.flagText = "/i" + zone;
}

void WriteSerials(const QsoRecord& qso, std::string_view received,
                  ConversionContext& context) {
  AddField(context, "STX", Number(qso.sentNumber));
  AddField(context, "SRX", received);
}

std::string SweepstakesPrecedence(const QsoRecord& qso, int version) {
  if (version >= kFirstStoredPrecedenceVersion) {
    return qso.precedence == '\0' ? std::string()
                                  : std::string(1, qso.precedence);
  }
  switch (qso.flags & (kFlagPrecedenceA | kFlagPrecedenceB)) {
    case 0:
      return "Q";
    case kFlagPrecedenceA:
      return "A";
    case kFlagPrecedenceB:
      return "B";
    default:  // both bits: no precedence is defined for it
      return {};
  }
}

void WriteSweepstakes(const QsoRecord& qso, const LogHeader& header,
                      ConversionContext& context) {
  const std::string received = Number(qso.receivedNumber);
  const std::string precedence = SweepstakesPrecedence(qso, header.version);
  const std::string check = Number(qso.check);
  WriteSerials(qso, received, context);
  AddField(context, "PRECEDENCE", precedence);
  AddField(context, "CHECK", check);
  WriteSection(context, qso.exchange);
  if (context.arrlSs) {
    AddField(
        context, "COMMENT",
        StringPrintf("%s %s %s %s %s", received.c_str(), precedence.c_str(),
                     qso.call.c_str(), check.c_str(), qso.exchange.c_str()));
  }
}

void WriteFieldDay(const QsoRecord& qso, ConversionContext& context) {
  std::string fieldDayClass = Number(qso.transmitterCount);
  if (qso.classLetter != '\0') fieldDayClass.push_back(qso.classLetter);
  AddField(context, "CLASS", fieldDayClass);
  WriteSection(context, qso.exchange);
}

void WriteCanadianExchange(MessageLog& log, const QsoRecord& qso,
                           const LogHeader& header,
                           ConversionContext& context) {
  if (IsNumeric(qso.exchange)) {
    AddField(context, "SRX", qso.exchange);
  } else if (const auto province = FindCanadianProvince(qso.exchange);
             province && IsCanadianCall(qso.call)) {
    WriteProvince(context, *province);
  } else {
    LogMessage(log, MessageKind::kWarning,
               StringPrintf(text::kNotProvinceOrSerial, qso.call.c_str(),
                            qso.exchange.c_str()));
  }
  // Canadian stations send no serial number in their own contests.
  if (!IsCanadianCall(header.operatorCall)) {
    AddField(context, "STX", Number(qso.sentNumber));
  }
}

void WriteIota(const QsoRecord& qso, ConversionContext& context) {
  // Bytes 46-47 hold the received serial number in IOTA logs.
  const auto serial =
      static_cast<std::int16_t>(static_cast<std::uint8_t>(qso.check) |
                                static_cast<std::uint8_t>(qso.precedence) << 8);
  WriteSerials(qso, StringPrintf("%d", serial), context);
  const std::string& reference = qso.exchange;
  if (reference.empty() || std::string_view("AENOS").find(reference.front()) ==
                               std::string_view::npos) {
    return;
  }
  AddField(context, "IOTA",
           reference.size() < 2
               ? reference
               : reference.substr(0, 2) + "-" + reference.substr(2));
  context.flagText = "/l" + reference;
}

void WriteNewEnglandCounty(MessageLog& log, const QsoRecord& qso,
                           ConversionContext& context) {
  auto match = FindNewEnglandCounty(qso.exchange);
  if (!match) match = FindWesternCounty(qso.exchange);
  if (match) {
    WriteStateAndCounty(context, match->state, match->county);
    return;
  }
  context.callIsUs = 1;
  CheckStateOrProvince(log, qso, context);
}

}  // namespace

void WriteStateAndCounty(ConversionContext& context, std::string_view state,
                         std::string_view county) {
  AddField(context, "STATE", state);
  AddField(context, "CNTY", std::string(state) + "," + std::string(county));
}

void WriteName(ConversionContext& context, std::string_view name) {
  std::string written(name);
  const bool keep = written.size() == 2 &&
                    written.find_first_of("AEIOUY") == std::string::npos;
  if (!keep) {
    for (std::size_t i = 1; i < written.size(); ++i) {
      if (IsUpperLetter(written[i]))
        written[i] = static_cast<char>(written[i] - 'A' + 'a');
    }
  }
  AddField(context, "NAME", written);
}

void CheckStateOrProvince(MessageLog& log, const QsoRecord& qso,
                          ConversionContext& context) {
  const std::string& exchange = qso.exchange;
  if (context.callIsUs) {
    if (const auto state = FindUsState(exchange)) {
      AddField(context, "STATE", *state);
      return;
    }
  }
  if (context.callIsCanadian) {
    const auto province = FindCanadianProvince(exchange);
    if (province && exchange != context.stateText) {
      WriteProvince(context, *province);
      return;
    }
  }
  if ((context.callIsUs || context.callIsCanadian) && exchange != "DX") {
    LogMessage(log, MessageKind::kWarning,
               StringPrintf(text::kNotStateOrProvince, qso.call.c_str(),
                            exchange.c_str()));
  }
}

void WriteExchangeFields(MessageLog& log, const QsoRecord& qso,
                         const LogHeader& header, ConversionContext& context) {
  context.flagText.clear();
  context.stateText.clear();
  context.callIsUs = IsUsCall(qso.call) ? 1 : 0;
  context.callIsCanadian = IsCanadianCall(qso.call) ? 1 : 0;

  const std::string& exchange = qso.exchange;
  switch (header.contestIndex) {
    case 0:  // CQWW
      WriteCqZone(qso, context);
      break;
    case 1:  // C160
    case 4:  // ARDX
    case 29:
      CheckStateOrProvince(log, qso, context);
      break;
    case 2:   // WPX
    case 10:  // WAE
    case 16:  // WAEE
    case 24:  // ODX
      WriteSerials(qso, exchange, context);
      break;
    case 3:  // ARRL
      WriteReceivedPower(context, exchange);
      break;
    case 5:  // AR10
      if (IsNumeric(exchange)) {
        AddField(context, "SRX", exchange);
        break;
      }
      if (exchange == "AK" || exchange == "HI") context.callIsUs = 1;
      CheckStateOrProvince(log, qso, context);
      break;
    case 6:  // A160
      if (!IsNumeric(exchange)) WriteSection(context, exchange);
      break;
    case 7:  // SS
      WriteSweepstakes(qso, header, context);
      break;
    case 8:   // VHF
    case 15:  // VHFS
      AddField(context, "GRIDSQUARE", exchange);
      context.flagText = "/g" + exchange;
      break;
    case 9:  // FD
      WriteFieldDay(qso, context);
      break;
    case 12:  // CQP
      WriteSerials(qso, Number(qso.receivedNumber), context);
      if (const auto county = FindCaliforniaCounty(exchange)) {
        WriteStateAndCounty(context, "CA", *county);
      } else {
        context.callIsUs = 1;
        context.stateText = "NT";
        CheckStateOrProvince(log, qso, context);
      }
      break;
    case 13:  // IARU
    case 18:  // WRTC
      WriteItuZoneOrExchange(qso, context);
      break;
    case 14:  // AA
    case 17:  // AAA
      AddField(context, "AGE", exchange);
      break;
    case 19:  // RAC
    case 23:  // RACW
      WriteCanadianExchange(log, qso, header, context);
      break;
    case 20:  // IOTA
      WriteIota(qso, context);
      break;
    case 21:  // FQP
    case 22:  // FQPNF
      if (const auto county = FindFloridaCounty(exchange)) {
        WriteStateAndCounty(context, "FL", *county);
      } else {
        CheckStateOrProvince(log, qso, context);
      }
      break;
    case 26:  // NEQP
    case 27:  // NEQP_N
      WriteNewEnglandCounty(log, qso, context);
      break;
    case 28:  // North American Sprint
      WriteSerials(qso, Number(qso.receivedNumber), context);
      context.stateText = "NT";
      CheckStateOrProvince(log, qso, context);
      break;
    default:  // 11 DXPN, 25 PACC, 30 and above: no exchange fields
      break;
  }
  if (header.contestIndex == 28 || header.contestIndex == 29) {
    WriteName(context, qso.name);
  }
}

}  // namespace kestrum
