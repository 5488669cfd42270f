// SPDX-License-Identifier: MIT
#include "output/contest_exchange.h"

#include <cstdint>
#include <string>

#include "base/c_text.h"
#include "base/decimal_text.h"
#include "base/string_printf.h"
#include "core/messages.h"
#include "output/adif3.h"
#include "refdata/call_areas.h"
#include "refdata/call_prefix.h"
#include "refdata/canadian_provinces.h"
#include "refdata/county_tables.h"
#include "refdata/us_states.h"

namespace kestrum {
namespace {

// Sweepstakes logs before 9.42 keep the precedence in two flag bits.
constexpr int kFirstStoredPrecedenceVersion = 942;

// One contact's exchange on its way into the record: what it reads and the
// flag tag it leaves for FLAGS.
struct Exchange {
  const QsoRecord& qso;
  const ConversionOptions& options;
  QsoFields& fields;
  FlagText flagText;
};

// An exchange whose leading integer is not zero: "5" and "12AB" are numeric,
// "0", "00" and "HQ" are not.
bool IsNumeric(std::string_view exchange) {
  return LeadingInteger(exchange) != 0;
}

void WriteProvince(Exchange& x, std::string_view code) {
  x.fields.Add(ProvinceFieldName(x.options.adif3), code);
  x.flagText.Set("/v", code);
}

void WriteSection(Exchange& x, std::string_view section) {
  x.fields.Add("ARRL_SECT", SectionValue(section, x.options.adif3));
}

void CheckStateOrProvince(Exchange& x, const StateCheck& check) {
  const std::string& exchange = x.qso.exchange;
  if (check.callIsUs) {
    if (const auto state = FindUsState(exchange)) {
      x.fields.Add("STATE", *state);
      return;
    }
  }
  if (check.callIsCanadian) {
    const auto province = FindCanadianProvince(exchange);
    if (province && exchange != check.stateText) {
      WriteProvince(x, *province);
      return;
    }
  }
  if ((check.callIsUs || check.callIsCanadian) && exchange != "DX") {
    LogMessage(x.fields.Log(), MessageKind::kWarning,
               StringPrintf(text::kNotStateOrProvince, x.qso.call.c_str(),
                            exchange.c_str()));
  }
}

// CQ zones: one leading zero is dropped ("05" gives 5, "005" gives 05).
void WriteCqZone(Exchange& x) {
  std::string_view zone = x.qso.exchange;
  if (!zone.empty() && zone.front() == '0') zone.remove_prefix(1);
  x.fields.Add("CQZ", zone);
  x.flagText.Set("/q", zone);
}

void WriteItuZoneOrExchange(Exchange& x) {
  const std::string_view exchange = x.qso.exchange;
  if (!IsNumeric(exchange)) {
    x.fields.Add("SRX_STRING", exchange);
    return;
  }
  const std::size_t start = exchange.find_first_not_of('0');
  const std::string_view zone = start == std::string_view::npos
                                    ? std::string_view()
                                    : exchange.substr(start);
  x.fields.Add("ITUZ", zone);
  x.flagText.Set("/i", zone);
}

void WriteSerials(Exchange& x, std::string_view received) {
  x.fields.Add("STX", DecimalText(x.qso.sentNumber).View());
  x.fields.Add("SRX", received);
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

void WriteSweepstakes(Exchange& x, const LogHeader& header) {
  const QsoRecord& qso = x.qso;
  const std::string received = DecimalText(qso.receivedNumber).Text();
  const std::string precedence = SweepstakesPrecedence(qso, header.version);
  const std::string check = DecimalText(qso.check).Text();
  WriteSerials(x, received);
  x.fields.Add("PRECEDENCE", precedence);
  x.fields.Add("CHECK", check);
  WriteSection(x, qso.exchange);
  if (x.options.arrlSs) {
    x.fields.Add("COMMENT", StringPrintf("%s %s %s %s %s", received.c_str(),
                                         precedence.c_str(), qso.call.c_str(),
                                         check.c_str(), qso.exchange.c_str()));
  }
}

void WriteFieldDay(Exchange& x) {
  std::string fieldDayClass = DecimalText(x.qso.transmitterCount).Text();
  if (x.qso.classLetter != '\0') fieldDayClass.push_back(x.qso.classLetter);
  x.fields.Add("CLASS", fieldDayClass);
  WriteSection(x, x.qso.exchange);
}

void WriteCanadianExchange(Exchange& x, const LogHeader& header) {
  const QsoRecord& qso = x.qso;
  if (IsNumeric(qso.exchange)) {
    x.fields.Add("SRX", qso.exchange);
  } else if (const auto province = FindCanadianProvince(qso.exchange);
             province && IsCanadianCall(qso.call)) {
    WriteProvince(x, *province);
  } else {
    LogMessage(x.fields.Log(), MessageKind::kWarning,
               StringPrintf(text::kNotProvinceOrSerial, qso.call.c_str(),
                            qso.exchange.c_str()));
  }
  // Canadian stations send no serial number in their own contests.
  if (!IsCanadianCall(header.operatorCall)) {
    x.fields.Add("STX", DecimalText(qso.sentNumber).View());
  }
}

void WriteIota(Exchange& x) {
  const QsoRecord& qso = x.qso;
  // Bytes 46-47 hold the received serial number in IOTA logs.
  const auto serial =
      static_cast<std::int16_t>(static_cast<std::uint8_t>(qso.check) |
                                static_cast<std::uint8_t>(qso.precedence) << 8);
  WriteSerials(x, DecimalText(serial).View());
  const std::string& reference = qso.exchange;
  if (reference.empty() || std::string_view("AENOS").find(reference.front()) ==
                               std::string_view::npos) {
    return;
  }
  x.fields.Add("IOTA", reference.size() < 2 ? reference
                                            : reference.substr(0, 2) + "-" +
                                                  reference.substr(2));
  x.flagText.Set("/l", reference);
}

void WriteNewEnglandCounty(Exchange& x) {
  auto match = FindNewEnglandCounty(x.qso.exchange);
  if (!match) match = FindWesternCounty(x.qso.exchange);
  if (match) {
    WriteStateAndCounty(x.fields, match->state, match->county);
    return;
  }
  StateCheck check = StateCheckOf(x.qso.call);
  check.callIsUs = true;
  CheckStateOrProvince(x, check);
}

}  // namespace

StateCheck StateCheckOf(std::string_view call) {
  // One prefix serves both tests.
  const std::optional<std::string> prefix = EffectivePrefix(call);
  return StateCheck{IsUsPrefix(prefix), IsCanadianPrefix(prefix), {}};
}

void CheckStateOrProvince(const QsoRecord& qso, const StateCheck& check,
                          const ConversionOptions& options, QsoFields& fields,
                          FlagText& flagText) {
  Exchange x{qso, options, fields, flagText};
  CheckStateOrProvince(x, check);
  flagText = x.flagText;
}

void WriteStateAndCounty(QsoFields& fields, std::string_view state,
                         std::string_view county) {
  fields.Add("STATE", state);
  std::string stateAndCounty(state);
  stateAndCounty += ',';
  stateAndCounty += county;
  fields.Add("CNTY", stateAndCounty);
}

void WriteName(QsoFields& fields, std::string_view name) {
  std::string written(name);
  const bool keep = written.size() == 2 &&
                    written.find_first_of("AEIOUY") == std::string::npos;
  if (!keep) {
    for (std::size_t i = 1; i < written.size(); ++i) {
      if (IsUpperLetter(written[i]))
        written[i] = static_cast<char>(written[i] - 'A' + 'a');
    }
  }
  fields.Add("NAME", written);
}

FlagText WriteExchangeFields(const QsoRecord& qso, const LogHeader& header,
                             const ConversionOptions& options,
                             QsoFields& fields) {
  Exchange x{qso, options, fields, {}};
  const std::string& exchange = qso.exchange;
  // The call areas of a contact are worked out only by the contests that
  // check states and provinces.
  switch (header.contestIndex) {
    case 0:  // CQWW
      WriteCqZone(x);
      break;
    case 1:  // C160
    case 4:  // ARDX
    case 29:
      CheckStateOrProvince(x, StateCheckOf(qso.call));
      break;
    case 2:   // WPX
    case 10:  // WAE
    case 16:  // WAEE
    case 24:  // ODX
      WriteSerials(x, exchange);
      break;
    case 3:  // ARRL
      fields.Add("RX_PWR", ReceivedPowerValue(exchange, options.adif3));
      break;
    case 5: {  // AR10
      if (IsNumeric(exchange)) {
        fields.Add("SRX", exchange);
        break;
      }
      StateCheck check = StateCheckOf(qso.call);
      if (exchange == "AK" || exchange == "HI") check.callIsUs = true;
      CheckStateOrProvince(x, check);
      break;
    }
    case 6:  // A160
      if (!IsNumeric(exchange)) WriteSection(x, exchange);
      break;
    case 7:  // SS
      WriteSweepstakes(x, header);
      break;
    case 8:   // VHF
    case 15:  // VHFS
      fields.Add("GRIDSQUARE", exchange);
      x.flagText.Set("/g", exchange);
      break;
    case 9:  // FD
      WriteFieldDay(x);
      break;
    case 12:  // CQP
      WriteSerials(x, DecimalText(qso.receivedNumber).View());
      if (const auto county = FindCaliforniaCounty(exchange)) {
        WriteStateAndCounty(fields, "CA", *county);
      } else {
        StateCheck check = StateCheckOf(qso.call);
        check.callIsUs = true;
        check.stateText = "NT";
        CheckStateOrProvince(x, check);
      }
      break;
    case 13:  // IARU
    case 18:  // WRTC
      WriteItuZoneOrExchange(x);
      break;
    case 14:  // AA
    case 17:  // AAA
      fields.Add("AGE", exchange);
      break;
    case 19:  // RAC
    case 23:  // RACW
      WriteCanadianExchange(x, header);
      break;
    case 20:  // IOTA
      WriteIota(x);
      break;
    case 21:  // FQP
    case 22:  // FQPNF
      if (const auto county = FindFloridaCounty(exchange)) {
        WriteStateAndCounty(fields, "FL", *county);
      } else {
        CheckStateOrProvince(x, StateCheckOf(qso.call));
      }
      break;
    case 26:  // NEQP
    case 27:  // NEQP_N
      WriteNewEnglandCounty(x);
      break;
    case 28: {  // North American Sprint
      WriteSerials(x, DecimalText(qso.receivedNumber).View());
      StateCheck check = StateCheckOf(qso.call);
      check.stateText = "NT";
      CheckStateOrProvince(x, check);
      break;
    }
    default:  // 11 DXPN, 25 PACC, 30 and above: no exchange fields
      break;
  }
  if (header.contestIndex == 28 || header.contestIndex == 29) {
    WriteName(fields, qso.name);
  }
  return x.flagText;
}

}  // namespace kestrum
