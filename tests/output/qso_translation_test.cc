// SPDX-License-Identifier: MIT
#include "output/qso_translation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "output/utc_time.h"
#include "tests/support/adif_fields.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::AdifField;
using ::testing::ElementsAre;
using testing::FieldValue;
using ::testing::IsEmpty;
using testing::MemoryBody;
using testing::ParseAdifFields;
using testing::UtcSeconds;

using MaybeText = std::optional<std::string>;
const MaybeText kNone = std::nullopt;

// A 10.03 WPX log of W1AW whose stored times are UTC.
LogHeader Header(int contestIndex = 2, int version = 1003) {
  LogHeader header;
  header.version = version;
  header.contestIndex = static_cast<std::uint8_t>(contestIndex);
  header.operatorCall = "W1AW";
  header.modeIndex = 1;
  header.timeFlag = 1;
  header.powerIndex = kNoPowerIndex;
  return header;
}

// A CW contact on 20 m (band number 4 of most contests).
QsoRecord Contact(const char* call = "DL1ABC") {
  QsoRecord qso;
  qso.call = call;
  qso.exchange = "14";
  qso.band = 4;
  qso.mode = 1;
  qso.receivedNumber = 599;
  qso.frequencyA = 14025000;
  qso.time = UtcSeconds(2011, 5, 28, 12, 34, 56);
  return qso;
}

struct Translated {
  QsoOutcome outcome = QsoOutcome::kWritten;
  std::string body;
  std::vector<AdifField> fields;
  std::vector<std::string> warnings;

  MaybeText Field(const char* name) const { return FieldValue(fields, name); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const AdifField& field : fields) names.push_back(field.first);
    return names;
  }
};

Translated Translate(const QsoRecord& qso, const LogHeader& header,
                     const ConversionOptions& options = {}) {
  MemoryBody memory;
  MessageLog log;
  Translated out;
  out.outcome = TranslateQso(log, qso, header, options, memory.body);
  out.body = memory.Text();
  out.fields = ParseAdifFields(out.body);
  out.warnings = log.Of(MessageKind::kWarning);
  return out;
}

ConversionOptions WithoutFrequency() {
  ConversionOptions options;
  options.withFrequency = 0;
  return options;
}

TEST(QsoTranslationTest, TimeIsCorrectedInLaterLogsWithoutTimeFlag) {
  struct Case {
    int version;
    std::uint8_t timeFlag;
    int withSeconds;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {952, 0, 1, "20110527", "170000"}, {952, 0, 0, "20110527", "1700"},
      {800, 0, 0, "20110527", "1700"},   {1003, 0, 1, "20110527", "170000"},
      {952, 1, 0, "20110528", "0000"},   {1003, 2, 1, "20110528", "000000"},
      {700, 0, 0, "20110528", "0000"},   {700, 0, 1, "20110528", "000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.version) + " flag " +
                 ::testing::PrintToString(int{c.timeFlag}));
    LogHeader header = Header(2, c.version);
    header.timeFlag = c.timeFlag;
    QsoRecord qso = Contact();
    qso.time = 1306540800;  // 2011-05-28 00:00:00 UTC
    ConversionOptions options = WithoutFrequency();
    options.withSeconds = c.withSeconds;
    const Translated out = Translate(qso, header, options);
    EXPECT_EQ(out.Field("QSO_DATE"), c.date);
    EXPECT_EQ(out.Field("TIME_ON"), c.time);
  }
}

TEST(QsoTranslationTest, TimesBefore1970AreDatedOnTheGregorianCalendar) {
  struct Case {
    int version;
    std::int32_t stored;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {952, 0, "19691231", "170000"},  // negative only after the correction
      {952, std::numeric_limits<std::int32_t>::min(), "19011213", "134552"},
      {700, -1, "19691231", "235959"},
      {700, std::numeric_limits<std::int32_t>::min(), "19011213", "204552"},
      {700, std::numeric_limits<std::int32_t>::max(), "20380119", "031407"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    LogHeader header = Header(2, c.version);
    header.timeFlag = 0;
    QsoRecord qso = Contact();
    qso.time = c.stored;
    const Translated out = Translate(qso, header, WithoutFrequency());
    EXPECT_EQ(out.Field("QSO_DATE"), c.date);
    EXPECT_EQ(out.Field("TIME_ON"), c.time);
  }
}

TEST(QsoTranslationTest, BreakDownUtcCountsLeapYearsAndCenturies) {
  struct Case {
    std::int64_t seconds;
    UtcTime expected;
  };
  const Case cases[] = {
      {0, {1970, 1, 1, 0, 0, 0}},
      {-1, {1969, 12, 31, 23, 59, 59}},
      {951782400, {2000, 2, 29, 0, 0, 0}},
      {951868800, {2000, 3, 1, 0, 0, 0}},
      {4107542399, {2100, 2, 28, 23, 59, 59}},
      {4107542400, {2100, 3, 1, 0, 0, 0}},
      {-2203891201, {1900, 2, 28, 23, 59, 59}},
      {-2203891200, {1900, 3, 1, 0, 0, 0}},
      {-62135596800, {1, 1, 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    const UtcTime t = BreakDownUtc(c.seconds);
    EXPECT_EQ(t.year, c.expected.year);
    EXPECT_EQ(t.month, c.expected.month);
    EXPECT_EQ(t.day, c.expected.day);
    EXPECT_EQ(t.hour, c.expected.hour);
    EXPECT_EQ(t.minute, c.expected.minute);
    EXPECT_EQ(t.second, c.expected.second);
  }
}

TEST(QsoTranslationTest, SatelliteContactsAreIgnoredSilently) {
  struct Case {
    int contestIndex;
    int version;
    std::uint8_t band;
    int sixMeters;
    bool ignored;
    MaybeText bandName;  // when written
  };
  const Case cases[] = {
      // Field Day: band 12 before 9.00, band 16 from 9.00 on.
      {9, 850, 12, 0, true, kNone},
      {9, 899, 12, 0, true, kNone},
      {9, 850, 11, 0, false, "40M"},
      {9, 850, 13, 0, false, "2M"},
      {9, 900, 12, 0, false, "2M"},
      {9, 984, 12, 0, false, "2M"},
      {9, 985, 12, 0, false, "13CM"},
      {9, 900, 16, 0, true, kNone},
      {9, 1003, 16, 0, true, kNone},
      {9, 950, 3, 0, false, "80M"},
      {9, 950, 17, 0, false, "2M"},
      // Dxpedition: band 10 up to 9.47 unless six metres, band 12 up to
      // 9.84, band 13 from 9.85 on.
      {11, 940, 10, 0, true, kNone},
      {11, 947, 10, 0, true, kNone},
      {11, 940, 10, 1, false, "6M"},
      {11, 948, 10, 0, false, "6M"},
      {11, 950, 10, 0, false, "6M"},
      {11, 940, 12, 1, true, kNone},
      {11, 950, 12, 0, true, kNone},
      {11, 984, 12, 0, true, kNone},
      {11, 985, 12, 0, false, "70CM"},
      {11, 985, 13, 0, true, kNone},
      {11, 1003, 13, 0, true, kNone},
      {11, 984, 13, 0, false, kNone},  // the satellite row, written bandless
      // Other contests have no satellite band.
      {8, 850, 12, 0, false, "LHT"},
      {8, 1003, 16, 0, false, kNone},
      {15, 950, 12, 0, false, "LHT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.contestIndex) + " v" +
                 ::testing::PrintToString(c.version) + " band " +
                 ::testing::PrintToString(int{c.band}) + " six " +
                 ::testing::PrintToString(c.sixMeters));
    QsoRecord qso = Contact();
    qso.band = c.band;
    ConversionOptions options = WithoutFrequency();
    options.sixMeters = c.sixMeters;
    const Translated out =
        Translate(qso, Header(c.contestIndex, c.version), options);
    EXPECT_EQ(out.outcome == QsoOutcome::kIgnoredSatellite, c.ignored);
    EXPECT_THAT(out.warnings, IsEmpty());
    if (c.ignored) {
      EXPECT_EQ(out.body, "");
    } else {
      EXPECT_EQ(out.Field("CALL"), "DL1ABC");
      EXPECT_EQ(out.Field("BAND"), c.bandName);
    }
  }
}

TEST(QsoTranslationTest, OwnCallAndCallsWithoutDigitsAreSkippedWithWarning) {
  struct Case {
    const char* call;
    bool skipped;
  };
  const Case cases[] = {
      {"W1AW", true},    {"NOCALL", true}, {"A/B", true},     {"w1aw", false},
      {"W1AW/P", false}, {"W1A", false},   {"4U1ITU", false}, {"9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    const Translated out = Translate(Contact(c.call), Header());
    EXPECT_EQ(out.outcome,
              c.skipped ? QsoOutcome::kSkipped : QsoOutcome::kWritten);
    if (c.skipped) {
      EXPECT_EQ(out.body, "");
      EXPECT_THAT(out.warnings, ElementsAre(std::string("Skipping QSO with ") +
                                            c.call + " on 20110528 at 123456"));
    } else {
      EXPECT_EQ(out.Field("CALL"), c.call);
      EXPECT_THAT(out.warnings, IsEmpty());
    }
  }
}

TEST(QsoTranslationTest, SkipWarningShowsTheCorrectedTimeAsWritten) {
  LogHeader header = Header(2, 952);
  header.timeFlag = 0;
  QsoRecord qso = Contact("NOCALL");
  qso.time = 1306540800;
  ConversionOptions options;
  options.withSeconds = 0;
  const Translated out = Translate(qso, header, options);
  EXPECT_THAT(out.warnings,
              ElementsAre("Skipping QSO with NOCALL on 20110527 at 1700"));
}

TEST(QsoTranslationTest, SatelliteRuleGoesBeforeTheSkipRule) {
  for (const char* call : {"NOCALL", "W1AW"}) {
    SCOPED_TRACE(call);
    QsoRecord qso = Contact(call);
    qso.band = 12;
    const Translated out = Translate(qso, Header(9, 850));
    EXPECT_EQ(out.outcome, QsoOutcome::kIgnoredSatellite);
    EXPECT_EQ(out.body, "");
    EXPECT_THAT(out.warnings, IsEmpty());
  }
}

TEST(QsoTranslationTest, SkippedContactLeavesTheRecordsAroundItIntact) {
  const LogHeader header = Header();
  const ConversionOptions options = WithoutFrequency();
  MemoryBody both;
  MemoryBody withSkip;
  MessageLog log;
  TranslateQso(log, Contact("K1ABC"), header, options, both.body);
  TranslateQso(log, Contact("DL1ABC"), header, options, both.body);
  TranslateQso(log, Contact("K1ABC"), header, options, withSkip.body);
  TranslateQso(log, Contact("NOCALL"), header, options, withSkip.body);
  TranslateQso(log, Contact("DL1ABC"), header, options, withSkip.body);
  EXPECT_EQ(withSkip.Text(), both.Text());
  EXPECT_EQ(withSkip.body.LineLength(), kLineLengthAfterRecord);
}

TEST(QsoTranslationTest, ModeComesFromRecordOrHeaderAndSetsDefaultReport) {
  struct Case {
    int contestIndex;
    std::uint8_t recordMode;
    std::uint8_t headerMode;
    MaybeText mode;
    const char* rstSent;
    MaybeText contestId;  // generated, for a contact in May
  };
  const Case cases[] = {
      {0, 0, 2, "SSB", "59", "CQ-WW-SSB"},
      {0, 1, 2, "CW", "599", "CQ-WW-CW"},
      {0, 2, 1, "SSB", "59", "CQ-WW-SSB"},
      {0, 3, 1, "RTTY", "599", "CQ-WW-RTTY"},
      {0, 4, 1, "FM", "59", "CQ-WW-FM"},
      {2, 3, 1, "RTTY", "599", "CQ-WPX-RTTY"},
      {8, 3, 1, "FM", "59", kNone},
      {8, 0, 3, "FM", "59", kNone},
      {15, 3, 1, "FM", "59", "ARRL-VHF-JAN"},
      {15, 2, 1, "SSB", "59", "ARRL-VHF-JAN"},
      {0, 0, 0, kNone, "0", "CQ-WW-"},
      // Beyond the named modes: no name, report 0, empty mode part.
      {0, 5, 1, kNone, "0", "CQ-WW-"},
      {0, 0, 5, kNone, "0", "CQ-WW-"},
      {7, 9, 1, kNone, "0", "ARRL-SS-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.contestIndex) + " record " +
                 ::testing::PrintToString(int{c.recordMode}) + " header " +
                 ::testing::PrintToString(int{c.headerMode}));
    LogHeader header = Header(c.contestIndex);
    header.modeIndex = c.headerMode;
    QsoRecord qso = Contact();
    qso.mode = c.recordMode;
    ConversionOptions options = WithoutFrequency();
    options.contestIdText = "ADIF";
    const Translated out = Translate(qso, header, options);
    EXPECT_EQ(out.Field("MODE"), c.mode);
    EXPECT_EQ(out.Field("RST_SENT"), c.rstSent);
    EXPECT_EQ(out.Field("CONTEST_ID"), c.contestId);
  }
}

TEST(QsoTranslationTest, BandNumberIsMappedPerContestAndVersion) {
  struct Case {
    int contestIndex;
    int version;
    std::uint8_t band;
    MaybeText name;
  };
  const Case cases[] = {
      {0, 1003, 0, kNone},   {0, 1003, 1, "160M"},  {0, 1003, 2, "80M"},
      {0, 1003, 3, "40M"},   {0, 1003, 4, "20M"},   {0, 1003, 5, "15M"},
      {0, 1003, 6, "10M"},   {0, 1003, 7, kNone},   {0, 700, 4, "20M"},
      {5, 1003, 0, "10M"},   {5, 1003, 3, "10M"},   {8, 1003, 5, "33CM"},
      {15, 1003, 5, "33CM"}, {8, 1003, 1, "6M"},    {9, 850, 11, "40M"},
      {9, 850, 13, "2M"},    {9, 950, 3, "80M"},    {9, 950, 17, "2M"},
      {9, 985, 12, "13CM"},  {11, 1003, 4, "30M"},  {11, 1003, 12, "70CM"},
      {21, 1003, 1, "40M"},  {22, 1003, 4, "10M"},  {26, 1003, 1, "160M"},
      {26, 1004, 1, "80M"},  {27, 1004, 1, "160M"}, {28, 1003, 0, "160M"},
      {28, 1003, 5, "10M"},  {29, 1003, 6, "10M"},  {31, 1003, 2, "80M"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.contestIndex) + " v" +
                 ::testing::PrintToString(c.version) + " band " +
                 ::testing::PrintToString(int{c.band}));
    QsoRecord qso = Contact();
    qso.band = c.band;
    const Translated out =
        Translate(qso, Header(c.contestIndex, c.version), WithoutFrequency());
    EXPECT_EQ(out.outcome, QsoOutcome::kWritten);
    EXPECT_EQ(out.Field("BAND"), c.name);
  }
}

TEST(QsoTranslationTest, FrequenciesOnlyWhenTheMainOneIsInBand) {
  struct Case {
    const char* label;
    int contestIndex;
    int version;
    std::uint8_t band;
    std::uint8_t flags;
    std::uint32_t frequencyA;
    std::uint32_t frequencyB;
    int withFrequency;
    MaybeText freq;
    MaybeText freqRx;
  };
  const Case cases[] = {
      {"split", 0, 1003, 4, 0x01, 14025000, 14030000, 1, "14.030", "14.025"},
      {"split, main B", 0, 1003, 4, 0x03, 14025000, 14030000, 1, "14.025",
       "14.030"},
      {"not split", 0, 1003, 4, 0x00, 14025000, 14030000, 1, "14.025", kNone},
      {"main B", 0, 1003, 4, 0x02, 14025000, 14030000, 1, "14.030", kNone},
      {"split, equal", 0, 1003, 4, 0x01, 14025000, 14025000, 1, "14.025",
       kNone},
      {"split by one hertz", 0, 1003, 4, 0x01, 14025001, 14025000, 1, "14.025",
       "14.025001"},
      {"split, other out of band", 0, 1003, 4, 0x01, 14025000, 7025000, 1,
       "14.025", kNone},
      {"split, main out of band", 0, 1003, 4, 0x01, 7025000, 14025000, 1, kNone,
       kNone},
      {"main B out of band", 0, 1003, 4, 0x03, 14025000, 7025000, 1, kNone,
       kNone},
      {"widened upper limit", 0, 1003, 4, 0x00, 14350500, 0, 1, "14.3505",
       kNone},
      {"past widened limit", 0, 1003, 4, 0x00, 14352000, 0, 1, kNone, kNone},
      {"10 m band edges", 0, 1003, 6, 0x01, 28000000, 29700000, 1, "29.700",
       "28.000"},
      {"no band, 0 Hz", 0, 1003, 0, 0x00, 0, 0, 1, "0.000", kNone},
      {"band 7 is no band", 0, 1003, 7, 0x00, 0, 0, 1, "0.000", kNone},
      {"20 m, 0 Hz", 0, 1003, 4, 0x00, 0, 0, 1, kNone, kNone},
      {"option off", 0, 1003, 4, 0x00, 14025000, 0, 0, kNone, kNone},
      {"option off, split", 0, 1003, 4, 0x01, 14025000, 14030000, 0, kNone,
       kNone},
      {"satellite row written", 11, 984, 13, 0x00, 0, 0, 1, kNone, kNone},
      {"satellite row, 70 cm", 11, 984, 13, 0x00, 432100000, 0, 1, kNone,
       kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QsoRecord qso = Contact();
    qso.band = c.band;
    qso.flags = c.flags;
    qso.frequencyA = c.frequencyA;
    qso.frequencyB = c.frequencyB;
    ConversionOptions options;
    options.withFrequency = c.withFrequency;
    const Translated out =
        Translate(qso, Header(c.contestIndex, c.version), options);
    EXPECT_EQ(out.Field("FREQ"), c.freq);
    EXPECT_EQ(out.Field("FREQ_RX"), c.freqRx);
  }
}

TEST(QsoTranslationTest, MegahertzKeepThreeToSixDecimals) {
  struct Case {
    std::uint32_t hertz;
    const char* text;
  };
  const Case cases[] = {
      {14025000, "14.025"},
      {7025500, "7.0255"},
      {3500000, "3.500"},
      {1296100000, "1296.100"},
      {14025001, "14.025001"},
      {0, "0.000"},
      {4294967295, "4294.967295"},
      {1, "0.000001"},
      {1000, "0.001"},
      {100, "0.0001"},
      {50000000, "50.000"},
      {144000010, "144.00001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatMegahertz(c.hertz), c.text) << c.hertz;
  }
}

// The text printf's "%f" gives for hertz / 1000000 as a double, trimmed as
// FormatMegahertz trims it.
std::string PrintedMegahertz(std::uint32_t hertz) {
  char text[32];
  std::snprintf(text, sizeof text, "%f", hertz / 1000000.0);
  std::string trimmed = text;
  while (trimmed.size() - trimmed.find('.') - 1 > 3 && trimmed.back() == '0') {
    trimmed.pop_back();
  }
  return trimmed;
}

TEST(QsoTranslationTest, MegahertzAreWhatPrintfRoundsTo) {
  // Every frequency up to 1.1 MHz (every six-digit fraction), the edges of
  // every megahertz and a spread of others up to the largest: the
  // formatting made without printf must round exactly as "%f" does.
  std::vector<std::uint32_t> hertz;
  for (std::uint32_t h = 0; h <= 1100000; ++h) hertz.push_back(h);
  for (std::uint32_t mhz = 0; mhz <= 4294; ++mhz) {
    for (std::uint32_t offset : {0u, 1u, 499999u, 500000u, 500001u, 999999u}) {
      const std::uint64_t h = std::uint64_t{mhz} * 1000000 + offset;
      if (h <= 4294967295u) hertz.push_back(static_cast<std::uint32_t>(h));
    }
  }
  std::uint32_t state = 12345;
  for (int i = 0; i < 300000; ++i) {
    state = state * 1664525u + 1013904223u;  // a fixed sequence over 32 bits
    hertz.push_back(state);
  }
  hertz.push_back(4294967295u);
  int mismatches = 0;
  for (const std::uint32_t h : hertz) {
    if (FormatMegahertz(h) != PrintedMegahertz(h) && ++mismatches <= 5) {
      ADD_FAILURE() << h << ": " << FormatMegahertz(h) << " but printf "
                    << PrintedMegahertz(h);
    }
  }
  EXPECT_EQ(mismatches, 0) << "of " << hertz.size();
}

TEST(QsoTranslationTest, ReceivedReportIsDefaultOrSignedReceivedNumber) {
  struct Case {
    int contestIndex;
    std::uint8_t mode;
    std::uint16_t receivedNumber;
    const char* rstReceived;
  };
  const Case cases[] = {
      {7, 1, 123, "599"},      {9, 1, 123, "599"},   {12, 1, 123, "599"},
      {7, 2, 0, "59"},         {12, 4, 65535, "59"}, {0, 1, 599, "599"},
      {0, 1, 0, "0"},          {0, 1, 65535, "-1"},  {0, 1, 32767, "32767"},
      {0, 1, 32768, "-32768"}, {13, 2, 59, "59"},    {28, 1, 42, "42"},
      {8, 1, 57, "57"},        {11, 1, 1, "1"},      {29, 2, 5, "5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.contestIndex) + " " +
                 ::testing::PrintToString(c.receivedNumber));
    QsoRecord qso = Contact();
    qso.mode = c.mode;
    qso.receivedNumber = c.receivedNumber;
    const Translated out =
        Translate(qso, Header(c.contestIndex), WithoutFrequency());
    EXPECT_EQ(out.Field("RST_RCVD"), c.rstReceived);
  }
}

TEST(QsoTranslationTest, GeneratedContestIdOfEveryContestIndex) {
  const MaybeText expected[32] = {
      "CQ-WW-SSB",
      "CQ-160-SSB",
      "CQ-WPX-SSB",
      "ARRL-DX-SSB",
      "ARRL-DX-SSB",
      "ARRL-10",
      "ARRL-160",
      "ARRL-SS-SSB",
      "ARRL-VHF-JUN",
      "ARRL-FIELD-DAY",
      "DARC-WAEDC-SSB",
      kNone,
      "CA-QSO-PARTY",
      "IARU-HF",
      kNone,
      "ARRL-VHF-JAN",
      "DARC-WAEDC-SSB",
      kNone,
      kNone,
      "RAC",
      "RSGB-IOTA",
      "FL-QSO-PARTY",
      "FL-QSO-PARTY",
      "RAC",
      "OCEANIA-DX-SSB",
      "PACC",
      "NEQP",
      "NEQP",
      "NA-SPRINT-SSB",
      "NAQP-SSB",
      kNone,
      kNone,
  };
  for (int index = 0; index < 32; ++index) {
    SCOPED_TRACE(index);
    QsoRecord qso = Contact();
    qso.band = 1;  // a band every contest writes
    qso.mode = 2;
    qso.time = UtcSeconds(2011, 6, 11, 18, 0, 0);
    ConversionOptions options = WithoutFrequency();
    options.contestIdText = "ADIF";
    const Translated out = Translate(qso, Header(index), options);
    ASSERT_EQ(out.outcome, QsoOutcome::kWritten);
    EXPECT_EQ(out.Field("CONTEST_ID"), expected[index]);
  }
}

TEST(QsoTranslationTest, VhfContestIdFollowsTheCorrectedMonth) {
  struct Case {
    int version;
    std::uint8_t timeFlag;
    std::int32_t stored;
    MaybeText contestId;
  };
  const Case cases[] = {
      {1003, 1, UtcSeconds(2011, 6, 11, 18), "ARRL-VHF-JUN"},
      {1003, 1, UtcSeconds(2011, 9, 10, 18), "ARRL-VHF-SEP"},
      {1003, 1, UtcSeconds(2011, 8, 20, 18), kNone},
      {1003, 1, UtcSeconds(2011, 1, 22, 18), kNone},
      {1003, 1, UtcSeconds(2011, 7, 1, 3), kNone},
      {952, 0, UtcSeconds(2011, 7, 1, 3), "ARRL-VHF-JUN"},  // June 30 20:00
      {952, 0, UtcSeconds(2011, 10, 1, 5), "ARRL-VHF-SEP"},
      {952, 0, UtcSeconds(2011, 6, 1, 5), kNone},  // May 31 22:00
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    LogHeader header = Header(8, c.version);
    header.timeFlag = c.timeFlag;
    QsoRecord qso = Contact();
    qso.band = 2;
    qso.time = c.stored;
    ConversionOptions options = WithoutFrequency();
    options.contestIdText = "ADIF";
    EXPECT_EQ(Translate(qso, header, options).Field("CONTEST_ID"), c.contestId);
  }
}

TEST(QsoTranslationTest, ContestIdTextIsGeneratedOrWrittenUnchanged) {
  struct Case {
    const char* text;
    int contestIndex;
    MaybeText contestId;
  };
  const Case cases[] = {
      {"", 0, kNone},
      {"ADIF", 0, "CQ-WW-CW"},
      {"ADIF", 11, kNone},
      {"MY-CONTEST", 11, "MY-CONTEST"},
      {"MY-CONTEST", 0, "MY-CONTEST"},
      {"adif", 0, "adif"},
      {"ADIF ", 0, "ADIF "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "' in " +
                 ::testing::PrintToString(c.contestIndex));
    ConversionOptions options = WithoutFrequency();
    options.contestIdText = c.text;
    EXPECT_EQ(Translate(Contact(), Header(c.contestIndex), options)
                  .Field("CONTEST_ID"),
              c.contestId);
  }
}

TEST(QsoTranslationTest, FullRecordFieldsInOrderAcrossLines) {
  QsoRecord qso = Contact("DL1ABC");
  qso.flags = 0x01;
  qso.frequencyB = 14030000;
  ConversionOptions options;
  options.wpxOption = 1;
  options.vexoOption = 1;
  options.operatorOption = 1;
  options.contestIdText = "ADIF";
  MemoryBody memory;
  MessageLog log;
  ASSERT_EQ(TranslateQso(log, qso, Header(0), options, memory.body),
            QsoOutcome::kWritten);
  EXPECT_EQ(memory.Text(),
            "<CALL:6>DL1ABC <QSO_DATE:8>20110528 <TIME_ON:6>123456 "
            "<MODE:2>CW <BAND:3>20M\n"
            "<FREQ:6>14.030 <FREQ_RX:6>14.025 <RST_SENT:3>599 "
            "<RST_RCVD:3>599 <CQZ:2>14\n"
            "<PFX:3>DL1 <FLAGS:4>/q14 <OPERATOR:4>W1AW "
            "<CONTEST_ID:8>CQ-WW-CW <EOR>\n");
  EXPECT_EQ(memory.body.LineLength(), kLineLengthAfterRecord);

  // The next contact opens a new line whatever the last one's length.
  TranslateQso(log, Contact("K1ABC"), Header(0), options, memory.body);
  EXPECT_THAT(memory.Text(), ::testing::HasSubstr(" <EOR>\n\n<CALL:5>K1ABC "));
}

TEST(QsoTranslationTest, SweepstakesRecordPutsCommentBeforeOptionalFields) {
  QsoRecord qso = Contact("N0CALL");
  qso.exchange = "EMA";
  qso.receivedNumber = 123;
  qso.sentNumber = 7;
  qso.precedence = 'A';
  qso.check = 75;
  qso.flags = 0x01;
  qso.frequencyB = 14030000;
  ConversionOptions options;
  options.arrlSs = 1;
  options.wpxOption = 1;
  options.vexoOption = 1;
  options.operatorOption = 1;
  options.contestIdText = "ADIF";
  const Translated out = Translate(qso, Header(7), options);
  EXPECT_EQ(out.fields,
            (std::vector<AdifField>{{"CALL", "N0CALL"},
                                    {"QSO_DATE", "20110528"},
                                    {"TIME_ON", "123456"},
                                    {"MODE", "CW"},
                                    {"BAND", "20M"},
                                    {"FREQ", "14.030"},
                                    {"FREQ_RX", "14.025"},
                                    {"RST_SENT", "599"},
                                    {"RST_RCVD", "599"},
                                    {"STX", "7"},
                                    {"SRX", "123"},
                                    {"PRECEDENCE", "A"},
                                    {"CHECK", "75"},
                                    {"ARRL_SECT", "EMA"},
                                    {"COMMENT", "123 A N0CALL 75 EMA"},
                                    {"PFX", "N0"},
                                    {"OPERATOR", "W1AW"},
                                    {"CONTEST_ID", "ARRL-SS-CW"}}));
}

TEST(QsoTranslationTest, OptionalFieldsFollowTheirOptions) {
  struct Case {
    const char* label;
    int contestIndex;
    const char* call;
    const char* exchange;
    const char* operatorCall;
    int wpx;
    int vexo;
    int operatorOption;
    MaybeText pfx;
    MaybeText flags;
    MaybeText operatorField;
  };
  const Case cases[] = {
      {"all off", 0, "DL1ABC", "14", "W1AW", 0, 0, 0, kNone, kNone, kNone},
      {"prefix", 0, "DL1ABC", "14", "W1AW", 1, 0, 0, "DL1", kNone, kNone},
      {"prefix K1", 2, "K1ABC", "001", "W1AW", 1, 0, 0, "K1", kNone, kNone},
      {"flags", 0, "DL1ABC", "14", "W1AW", 0, 1, 0, kNone, "/q14", kNone},
      {"bare flag tag", 0, "DL1ABC", "0", "W1AW", 0, 1, 0, kNone, "/q", kNone},
      {"no flag set", 2, "DL1ABC", "001", "W1AW", 0, 1, 0, kNone, kNone, kNone},
      {"flags off", 0, "DL1ABC", "14", "W1AW", 0, 0, 0, kNone, kNone, kNone},
      {"operator", 2, "DL1ABC", "001", "W1AW", 0, 0, 1, kNone, kNone, "W1AW"},
      {"operator empty", 2, "DL1ABC", "001", "", 0, 0, 1, kNone, kNone, kNone},
      {"all on", 0, "DL1ABC", "14", "W1AW", 1, 1, 1, "DL1", "/q14", "W1AW"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QsoRecord qso = Contact(c.call);
    qso.exchange = c.exchange;
    LogHeader header = Header(c.contestIndex);
    header.operatorCall = c.operatorCall;
    ConversionOptions options = WithoutFrequency();
    options.wpxOption = c.wpx;
    options.vexoOption = c.vexo;
    options.operatorOption = c.operatorOption;
    const Translated out = Translate(qso, header, options);
    EXPECT_EQ(out.Field("PFX"), c.pfx);
    EXPECT_EQ(out.Field("FLAGS"), c.flags);
    EXPECT_EQ(out.Field("OPERATOR"), c.operatorField);
  }
}

}  // namespace
}  // namespace kestrum
