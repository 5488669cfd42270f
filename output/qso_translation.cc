// SPDX-License-Identifier: MIT
#include "output/qso_translation.h"

#include <charconv>
#include <optional>

#include "base/decimal_text.h"
#include "base/string_printf.h"
#include "core/messages.h"
#include "output/adif3.h"
#include "output/contest_exchange.h"
#include "output/qso_fields.h"
#include "output/utc_time.h"
#include "refdata/band_limits.h"
#include "refdata/band_remap.h"
#include "refdata/call_prefix.h"
#include "refdata/default_rst.h"
#include "refdata/name_table.h"

namespace kestrum {
namespace {

// Logs from 8.xx on whose time flag is 0 store every time 7 hours late.
constexpr std::int64_t kStoredTimeOffset = 25200;

// Contest indexes with rules of their own in the translation.
constexpr int kArrlSweepstakes = 7;
constexpr int kArrlVhf = 8;
constexpr int kFieldDay = 9;
constexpr int kDxpedition = 11;
constexpr int kCaliforniaQsoParty = 12;
constexpr int kArrlVhfSweepstakes = 15;
constexpr int kModeRtty = 3;
constexpr int kModeFm = 4;

bool HasDigit(std::string_view text) {
  for (const char c : text) {
    if (c >= '0' && c <= '9') return true;
  }
  return false;
}

// The date ("%04d%02d%02d") and time ("%02d%02d%02d", or "%02d%02d" without
// seconds) texts of a contact.
struct ContactTime {
  ContactTime(const UtcTime& utc, bool withSeconds) {
    if (utc.year >= 0 && utc.year <= 9999) {
      PutDigits(date.data(), static_cast<unsigned>(utc.year), 4);
      PutDigits(date.data() + 4, static_cast<unsigned>(utc.month), 2);
      PutDigits(date.data() + 6, static_cast<unsigned>(utc.day), 2);
      dateSize = 8;
    } else {
      // Years that no contact time of 32 bits reaches; kept exact anyway.
      const std::string text =
          StringPrintf("%04d%02d%02d", utc.year, utc.month, utc.day);
      dateSize = text.copy(date.data(), date.size());
    }
    PutDigits(time.data(), static_cast<unsigned>(utc.hour), 2);
    PutDigits(time.data() + 2, static_cast<unsigned>(utc.minute), 2);
    if (withSeconds) {
      PutDigits(time.data() + 4, static_cast<unsigned>(utc.second), 2);
    }
    timeSize = withSeconds ? 6 : 4;
  }
  std::string_view Date() const { return {date.data(), dateSize}; }
  std::string_view Time() const { return {time.data(), timeSize}; }

  std::array<char, 16> date{};
  std::array<char, 6> time{};
  std::size_t dateSize = 0;
  std::size_t timeSize = 0;
};

void WriteFrequencies(const QsoRecord& qso, int bandIndex, QsoFields& fields) {
  const bool mainIsB = (qso.flags & kFlagMainIsB) != 0;
  const std::uint32_t main = mainIsB ? qso.frequencyB : qso.frequencyA;
  const std::uint32_t other = mainIsB ? qso.frequencyA : qso.frequencyB;
  if (!IsInBand(main / 1000000.0, bandIndex)) return;
  if ((qso.flags & kFlagSplit) != 0 && IsInBand(other / 1000000.0, bandIndex) &&
      main != other) {
    fields.Add("FREQ", MegahertzText(other).View());
    fields.Add("FREQ_RX", MegahertzText(main).View());
  } else {
    fields.Add("FREQ", MegahertzText(main).View());
  }
}

}  // namespace

bool IsSatelliteContact(const LogHeader& header, int band, bool sixMeters) {
  const int version = header.version;
  switch (header.contestIndex) {
    case kFieldDay:
      return (band == 12 && version < 900) || (band == 16 && version >= 900);
    case kDxpedition:
      return (band == 10 && version <= 947 && !sixMeters) ||
             (band == 12 && version <= 984) || (band == 13 && version >= 985);
    default:
      return false;
  }
}

MegahertzText::MegahertzText(std::uint32_t hertz) {
  // The quotient as a double lies within a millionth of a millionth of
  // hertz / 1000000, itself a multiple of 0.000001, so "%f" always prints
  // the whole megahertz and the six digits of the remaining hertz.
  char* out = text_.data();
  out = std::to_chars(out, text_.data() + text_.size(), hertz / 1000000u).ptr;
  *out++ = '.';
  PutDigits(out, hertz % 1000000u, 6);
  std::size_t decimals = 6;
  while (decimals > 3 && out[decimals - 1] == '0') --decimals;
  size_ = static_cast<std::size_t>(out - text_.data()) + decimals;
}

std::string FormatMegahertz(std::uint32_t hertz) {
  return std::string(MegahertzText(hertz).View());
}

std::string GeneratedContestId(int contestIndex, int modeIndex, int month,
                               bool adif3) {
  const std::string mode(AdifModeName(modeIndex));
  switch (contestIndex) {
    case 0:
      return "CQ-WW-" + mode;
    case 1:
      return "CQ-160-" + mode;
    case 2:
      return "CQ-WPX-" + mode;
    case 3:
    case 4:
      return "ARRL-DX-" + mode;
    case 5:
      return "ARRL-10";
    case 6:
      return "ARRL-160";
    case 7:
      return "ARRL-SS-" + mode;
    case 8:
      if (month == 6) return "ARRL-VHF-JUN";
      if (month == 9) return "ARRL-VHF-SEP";
      return {};
    case 9:
      return "ARRL-FIELD-DAY";
    case 10:
    case 16:
      return "DARC-WAEDC-" + mode;
    case 12:
      return "CA-QSO-PARTY";
    case 13:
      return "IARU-HF";
    case 15:
      return "ARRL-VHF-JAN";
    case 19:
    case 23:
      return std::string(CanadianContestId(contestIndex == 23, adif3));
    case 20:
      return "RSGB-IOTA";
    case 21:
    case 22:
      return "FL-QSO-PARTY";
    case 24:
      return "OCEANIA-DX-" + mode;
    case 25:
      return "PACC";
    case 26:
    case 27:
      return "NEQP";
    case 28:
      return "NA-SPRINT-" + mode;
    case 29:
      return "NAQP-" + mode;
    default:  // 11, 14, 17, 18, and 30 on: no identifier
      return {};
  }
}

QsoOutcome TranslateQso(MessageLog& log, const QsoRecord& qso,
                        const LogHeader& header,
                        const ConversionOptions& options, AdifBody& body) {
  std::int64_t time = qso.time;
  if (header.version >= 800 && header.timeFlag == 0) time -= kStoredTimeOffset;
  if (IsSatelliteContact(header, qso.band, options.sixMeters)) {
    return QsoOutcome::kIgnoredSatellite;
  }
  const UtcTime utc = BreakDownUtc(time);
  const ContactTime when(utc, options.withSeconds);
  if (qso.call == header.operatorCall || !HasDigit(qso.call)) {
    LogMessage(log, MessageKind::kWarning,
               StringPrintf(text::kSkipping, qso.call.c_str(),
                            std::string(when.Date()).c_str(),
                            std::string(when.Time()).c_str()));
    return QsoOutcome::kSkipped;
  }

  QsoFields fields(body, log, qso.call, options.adif3);
  fields.Add("CALL", qso.call);
  fields.Add("QSO_DATE", when.Date());
  fields.Add("TIME_ON", when.Time());

  int mode = qso.mode != 0 ? qso.mode : header.modeIndex;
  if ((header.contestIndex == kArrlVhf ||
       header.contestIndex == kArrlVhfSweepstakes) &&
      mode == kModeRtty) {
    mode = kModeFm;  // the VHF contests log FM where others log RTTY
  }
  fields.Add("MODE", AdifModeName(mode));

  const int bandIndex =
      RemapBand(header.contestIndex, header.version, qso.band);
  fields.Add("BAND", BandValue(BandName(bandIndex), options.adif3));

  if (options.withFrequency) WriteFrequencies(qso, bandIndex, fields);

  const int defaultReport = DefaultRst(mode);
  fields.Add("RST_SENT", DecimalText(defaultReport).View());
  const bool reportNotLogged = header.contestIndex == kArrlSweepstakes ||
                               header.contestIndex == kFieldDay ||
                               header.contestIndex == kCaliforniaQsoParty;
  const int receivedReport =
      reportNotLogged ? defaultReport
                      : static_cast<std::int16_t>(qso.receivedNumber);
  fields.Add("RST_RCVD", DecimalText(receivedReport).View());

  const FlagText flagText = WriteExchangeFields(qso, header, options, fields);

  // The prefix only matters for its field: it is worked out when written.
  if (options.wpxOption) {
    if (const std::optional<std::string> prefix = EffectivePrefix(qso.call)) {
      fields.Add("PFX", *prefix);
    }
  }
  if (options.vexoOption) {
    fields.Add(FlagsFieldName(options.adif3), flagText.View());
  }
  if (options.operatorOption) fields.Add("OPERATOR", header.operatorCall);
  if (options.contestIdText == kGeneratedContestId) {
    fields.Add("CONTEST_ID", GeneratedContestId(header.contestIndex, mode,
                                                utc.month, options.adif3));
  } else {
    fields.Add("CONTEST_ID", options.contestIdText);
  }
  fields.EndRecord();
  return QsoOutcome::kWritten;
}

}  // namespace kestrum
