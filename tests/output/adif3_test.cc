// SPDX-License-Identifier: MIT
// The "ADIF 3" option: ADIF 3.1.4 names and values where they differ from
// ADIF 2.1.7, and nothing else changed.

#include "output/adif3.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/adif_header.h"
#include "output/contest_exchange.h"
#include "output/qso_translation.h"
#include "tests/support/adif_fields.h"
#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::AdifField;
using testing::BuildLog;
using testing::FieldValue;
using ::testing::HasSubstr;
using testing::MemoryBody;
using testing::MemoryRun;
using testing::ParseAdifFields;
using testing::TestHeader;
using testing::TestRecord;
using testing::UtcSeconds;
using Fields = std::vector<AdifField>;
using MaybeText = std::optional<std::string>;

LogHeader Header(int contestIndex, const char* operatorCall = "W1AW") {
  LogHeader header;
  header.version = 1003;
  header.contestIndex = static_cast<std::uint8_t>(contestIndex);
  header.operatorCall = operatorCall;
  header.modeIndex = 1;
  header.timeFlag = 1;
  header.powerIndex = kNoPowerIndex;
  return header;
}

QsoRecord Contact(const char* call, const char* exchange) {
  QsoRecord qso;
  qso.call = call;
  qso.exchange = exchange;
  qso.band = 4;
  qso.mode = 2;
  qso.sentNumber = 7;
  qso.receivedNumber = 59;
  qso.frequencyA = 14250000;
  qso.time = UtcSeconds(2011, 7, 1, 12, 0, 0);
  return qso;
}

// The fields of one translated contact.
Fields Translate(const QsoRecord& qso, const LogHeader& header, int adif3,
                 int vexo = 0, const char* contestIdText = "") {
  ConversionOptions options;
  options.adif3 = adif3;
  options.vexoOption = vexo;
  options.contestIdText = contestIdText;
  MemoryBody memory;
  MessageLog log;
  TranslateQso(log, qso, header, options, memory.body);
  return ParseAdifFields(memory.Text());
}

// The exchange fields of one contact.
Fields Exchange(int contestIndex, const QsoRecord& qso, int adif3,
                const char* operatorCall = "W1AW", int arrlSs = 0) {
  ConversionOptions options;
  options.adif3 = adif3;
  options.arrlSs = arrlSs;
  MemoryBody memory;
  MessageLog log;
  QsoFields fields(memory.body, log, qso.call, options.adif3);
  WriteExchangeFields(qso, Header(contestIndex, operatorCall), options, fields);
  return ParseAdifFields(memory.Text());
}

TEST(Adif3Test, HeaderStatesAdifVersion314) {
  const BuildStamp stamp{"May 28 2011", "11:01:24"};
  ConversionOptions adif3;
  adif3.adif3 = true;
  const std::string text2 = FormatOutputHeader(Header(0), {}, {}, stamp);
  std::string text3 = FormatOutputHeader(Header(0), adif3, {}, stamp);
  EXPECT_THAT(text2, HasSubstr("\n<ADIF_VER:5>2.1.7\n"));
  const std::size_t version = text3.find("\n<ADIF_VER:5>3.1.4\n");
  ASSERT_NE(version, std::string::npos);
  text3.replace(version + 13, 5, "2.1.7");
  EXPECT_EQ(text3, text2) << "only the version differs";
}

TEST(Adif3Test, SubmillimetreBandReplacesLht) {
  struct Case {
    int contestIndex;
    std::uint8_t band;
    int adif3;
    MaybeText bandName;
  };
  const Case cases[] = {
      {8, 12, 1, "SUBMM"},  {15, 12, 1, "SUBMM"}, {8, 12, 0, "LHT"},
      {8, 11, 1, "1.25CM"}, {8, 1, 1, "6M"},      {0, 4, 1, "20M"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.contestIndex) + " band " +
                 ::testing::PrintToString(int{c.band}) + " adif3 " +
                 ::testing::PrintToString(c.adif3));
    QsoRecord qso = Contact("K1ABC", "FN31");
    qso.band = c.band;
    EXPECT_EQ(
        FieldValue(Translate(qso, Header(c.contestIndex), c.adif3), "BAND"),
        c.bandName);
  }
}

TEST(Adif3Test, FlagsFieldIsApplicationDefined) {
  struct Case {
    int adif3;
    int vexo;
    MaybeText flags;
    MaybeText appFlags;
  };
  const Case cases[] = {
      {1, 1, std::nullopt, "/q14"},
      {0, 1, "/q14", std::nullopt},
      {1, 0, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.adif3) + " vexo " +
                 ::testing::PrintToString(c.vexo));
    const Fields fields =
        Translate(Contact("DL1ABC", "14"), Header(0), c.adif3, c.vexo);
    EXPECT_EQ(FieldValue(fields, "FLAGS"), c.flags);
    EXPECT_EQ(FieldValue(fields, "APP_ZR_FLAGS"), c.appFlags);
  }
}

TEST(Adif3Test, ProvinceIsWrittenAsStateOnEveryPath) {
  struct Case {
    const char* label;
    int contestIndex;
    const char* call;
    const char* exchange;
    Fields adif2;
    Fields adif3;
  };
  const Case cases[] = {
      {"C160", 1, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, {{"STATE", "ON"}}},
      {"ARDX alias",
       4,
       "VA2ABC",
       "QUE",
       {{"VE_PROV", "QC"}},
       {{"STATE", "QC"}}},
      {"AR10", 5, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, {{"STATE", "ON"}}},
      {"CQP",
       12,
       "VE8ABC",
       "NWT",
       {{"STX", "7"}, {"SRX", "59"}, {"VE_PROV", "NT"}},
       {{"STX", "7"}, {"SRX", "59"}, {"STATE", "NT"}}},
      {"RAC",
       19,
       "VE3ABC",
       "QUE",
       {{"VE_PROV", "QC"}, {"STX", "7"}},
       {{"STATE", "QC"}, {"STX", "7"}}},
      {"RACW",
       23,
       "VE3ABC",
       "ON",
       {{"VE_PROV", "ON"}, {"STX", "7"}},
       {{"STATE", "ON"}, {"STX", "7"}}},
      {"FQP", 21, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, {{"STATE", "ON"}}},
      {"NEQP", 26, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, {{"STATE", "ON"}}},
      {"Sprint",
       28,
       "VE3ABC",
       "ON",
       {{"STX", "7"}, {"SRX", "59"}, {"VE_PROV", "ON"}},
       {{"STX", "7"}, {"SRX", "59"}, {"STATE", "ON"}}},
      {"NAQP", 29, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, {{"STATE", "ON"}}},
      {"US state unchanged",
       1,
       "K1ABC",
       "MA",
       {{"STATE", "MA"}},
       {{"STATE", "MA"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const QsoRecord qso = Contact(c.call, c.exchange);
    EXPECT_EQ(Exchange(c.contestIndex, qso, 0), c.adif2);
    EXPECT_EQ(Exchange(c.contestIndex, qso, 1), c.adif3);
  }
}

TEST(Adif3Test, RacContestIdsNameTheirContest) {
  for (int index = 0; index < 32; ++index) {
    SCOPED_TRACE(index);
    QsoRecord qso = Contact("DL1ABC", "14");
    qso.band = 1;
    const MaybeText adif2 =
        FieldValue(Translate(qso, Header(index), 0, 0, "ADIF"), "CONTEST_ID");
    const MaybeText adif3 =
        FieldValue(Translate(qso, Header(index), 1, 0, "ADIF"), "CONTEST_ID");
    if (index == 19) {
      EXPECT_EQ(adif2, "RAC");
      EXPECT_EQ(adif3, "RAC-CANADA-DAY");
    } else if (index == 23) {
      EXPECT_EQ(adif2, "RAC");
      EXPECT_EQ(adif3, "RAC-CANADA-WINTER");
    } else {
      EXPECT_EQ(adif3, adif2);
    }
  }
  // A text of the user's own is written unchanged in either version.
  EXPECT_EQ(
      FieldValue(Translate(Contact("VE3ABC", "ON"), Header(19), 1, 0, "RAC"),
                 "CONTEST_ID"),
      "RAC");
}

TEST(Adif3Test, ReceivedPowerBecomesWatts) {
  struct Case {
    const char* exchange;
    MaybeText adif3;
  };
  const Case cases[] = {
      {"100", "100"},        {"5", "5"},
      {"1500", "1500"},      {"K", "1000"},
      {"KW", "1000"},        {"1K", "1000"},
      {"1KW", "1000"},       {"2K", "2000"},
      {"10KW", "10000"},     {"1.5KW", "1500"},
      {"2.5K", "2500"},      {"1.25KW", "1250"},
      {"0.5K", "500"},       {"100W", std::nullopt},
      {"W", std::nullopt},   {"ABC", std::nullopt},
      {"1.5", std::nullopt}, {"K1", std::nullopt},
      {"KWK", std::nullopt}, {"1KWW", std::nullopt},
      {"", std::nullopt},    {"1.2345KW", "1234.5"},
      {"0K", "0"},           {"0.0005K", "0.5"},
      {"007", "007"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exchange);
    const QsoRecord qso = Contact("DL1ABC", c.exchange);
    EXPECT_EQ(FieldValue(Exchange(3, qso, 1), "RX_PWR"), c.adif3);
    const MaybeText adif2 = *c.exchange ? MaybeText(c.exchange) : std::nullopt;
    EXPECT_EQ(FieldValue(Exchange(3, qso, 0), "RX_PWR"), adif2);
  }
}

TEST(Adif3Test, NoSectionForStationsAbroad) {
  struct Case {
    const char* label;
    int contestIndex;
    const char* exchange;
    MaybeText adif2;
    MaybeText adif3;
  };
  const Case cases[] = {
      {"A160 DX", 6, "DX", "DX", std::nullopt},
      {"A160 MA", 6, "MA", "MA", "MA"},
      {"SS DX", 7, "DX", "DX", std::nullopt},
      {"SS EMA", 7, "EMA", "EMA", "EMA"},
      {"FD DX", 9, "DX", "DX", std::nullopt},
      {"FD CT", 9, "CT", "CT", "CT"},
      {"A160 dx", 6, "dx", "dx", "dx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QsoRecord qso = Contact("DL1ABC", c.exchange);
    qso.transmitterCount = 1;
    qso.classLetter = 'A';
    qso.precedence = 'A';
    EXPECT_EQ(FieldValue(Exchange(c.contestIndex, qso, 0), "ARRL_SECT"),
              c.adif2);
    const Fields adif3 = Exchange(c.contestIndex, qso, 1);
    EXPECT_EQ(FieldValue(adif3, "ARRL_SECT"), c.adif3);
    if (c.contestIndex == 9) {
      EXPECT_EQ(FieldValue(adif3, "CLASS"), "1A");
    }
  }
}

TEST(Adif3Test, RunWritesAdif3OnlyWithTheOption) {
  TestHeader header;
  header.contestIndex = 19;
  TestRecord record;
  record.call = "VE3ABC";
  record.exchange = "QUE";
  record.band = 4;
  record.mode = 1;
  record.sentNumber = 12;
  record.time = UtcSeconds(2011, 7, 1, 12, 0, 0);

  const auto bodyFields = [](const std::string& adif) {
    const std::size_t end = adif.find("<EOH>");
    return ParseAdifFields(end == std::string::npos ? "" : adif.substr(end));
  };
  const Fields common = {{"CALL", "VE3ABC"},    {"QSO_DATE", "20110701"},
                         {"TIME_ON", "120000"}, {"MODE", "CW"},
                         {"BAND", "20M"},       {"RST_SENT", "599"},
                         {"RST_RCVD", "0"}};

  MemoryRun adif2;
  adif2.options.vexoOption = true;
  adif2.options.withFrequency = false;
  adif2.options.contestIdText = "ADIF";
  adif2.Convert(BuildLog(header, {record}));
  const std::string text2 = adif2.Output();
  EXPECT_THAT(text2, HasSubstr("\n<ADIF_VER:5>2.1.7\n"));
  Fields expected = common;
  expected.insert(expected.end(), {{"VE_PROV", "QC"},
                                   {"STX", "12"},
                                   {"FLAGS", "/vQC"},
                                   {"CONTEST_ID", "RAC"}});
  EXPECT_EQ(bodyFields(text2), expected);

  MemoryRun adif3;
  adif3.options = adif2.options;
  adif3.options.adif3 = true;
  adif3.Convert(BuildLog(header, {record}));
  const std::string text3 = adif3.Output();
  EXPECT_THAT(text3, HasSubstr("\n<ADIF_VER:5>3.1.4\n"));
  expected = common;
  expected.insert(expected.end(), {{"STATE", "QC"},
                                   {"STX", "12"},
                                   {"APP_ZR_FLAGS", "/vQC"},
                                   {"CONTEST_ID", "RAC-CANADA-DAY"}});
  EXPECT_EQ(bodyFields(text3), expected);
}

TEST(Adif3Test, TextsAboveAsciiAreSpelledInAsciiWithAWarning) {
  struct Case {
    const char* label;
    int contestIndex;
    const char* call;
    const char* exchange;
    const char* name;
    Fields changed;  // the ADIF 3 values that differ from the log's bytes
    std::vector<std::string> warnings;
  };
  const Case cases[] = {
      {"name",
       29,
       "K1ABC",
       "MA",
       "M\xFCLLER",  // Müller in capitals, as a logger may store it
       {{"NAME", "Muller"}},
       {"K1ABC: NAME M\xFCller written as Muller, since ADIF 3 takes ASCII "
        "only."}},
      {"ligature and sharp s",
       29,
       "K1ABC",
       "MA",
       "\xC6SS\xDF",
       {{"NAME", "AEssss"}},
       {"K1ABC: NAME \xC6ss\xDF written as AEssss, since ADIF 3 takes ASCII "
        "only."}},
      {"exchange",
       8,
       "K1ABC",
       "JO\xA7"
       "62",
       "",
       {{"GRIDSQUARE", "JOS62"}},
       {"K1ABC: GRIDSQUARE JO\xA7"
        "62 written as JOS62, since ADIF 3 takes "
        "ASCII only."}},
      {"call",
       2,
       "\xC9"
       "1ABC",
       "001",
       "",
       {{"CALL", "E1ABC"}},
       {"\xC9"
        "1ABC: CALL \xC9"
        "1ABC written as E1ABC, since ADIF 3 takes ASCII "
        "only."}},
      {"plain ASCII untouched", 29, "K1ABC", "MA", "JIM", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QsoRecord qso = Contact(c.call, c.exchange);
    qso.name = c.name;
    for (const bool adif3 : {false, true}) {
      ConversionOptions options;
      options.adif3 = adif3;
      options.withFrequency = false;
      MemoryBody memory;
      MessageLog log;
      TranslateQso(log, qso, Header(c.contestIndex), options, memory.body);
      const Fields fields = ParseAdifFields(memory.Text());
      const std::vector<std::string> warnings = log.Of(MessageKind::kWarning);
      if (!adif3) {
        // ADIF 2.1.7 keeps the log's bytes and says nothing.
        EXPECT_EQ(FieldValue(fields, "CALL"), c.call);
        EXPECT_THAT(warnings, ::testing::IsEmpty());
        continue;
      }
      for (const auto& [name, value] : c.changed) {
        EXPECT_EQ(FieldValue(fields, name), value) << name;
      }
      for (const auto& [name, value] : fields) {
        for (const char ch : value) {
          EXPECT_LT(static_cast<unsigned char>(ch), 128u) << name;
        }
      }
      EXPECT_EQ(warnings, c.warnings);
    }
  }
}

TEST(Adif3Test, EveryCodePage1252CharacterHasAnAsciiSpelling) {
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const std::string text(1, static_cast<char>(c));
    const std::optional<std::string> ascii = AsciiValue(text, true);
    if (c < 128) {
      EXPECT_EQ(ascii, std::nullopt);
      continue;
    }
    ASSERT_TRUE(ascii.has_value());
    EXPECT_FALSE(ascii->empty());
    EXPECT_LE(ascii->size(), 3u);
    for (const char ch : *ascii) {
      EXPECT_GE(ch, ' ');
      EXPECT_LT(static_cast<unsigned char>(ch), 127u);
      EXPECT_NE(ch, '<') << "no reader may take it for a tag";
      EXPECT_NE(ch, '>');
    }
    EXPECT_EQ(AsciiValue(text, false), std::nullopt);
  }
}

}  // namespace
}  // namespace kestrum
