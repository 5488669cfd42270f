// SPDX-License-Identifier: MIT
#include "output/contest_exchange.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/adif_fields.h"

namespace kestrum {
namespace {

using testing::AdifField;
using ::testing::ElementsAre;
using testing::FieldValue;
using ::testing::IsEmpty;
using testing::MemoryBody;
using testing::ParseAdifFields;
using Fields = std::vector<AdifField>;

std::string StateWarning(const std::string& call, const std::string& text) {
  return call + ": " + text + " is not a valid ADIF province or state.";
}

std::string SerialWarning(const std::string& call, const std::string& text) {
  return call + ": " + text + " is not a valid ADIF province or serial number.";
}

struct Exchanged {
  Fields fields;
  std::vector<std::string> warnings;
  std::string flagText;
};

// Writes the exchange of `qso` in a log of `contestIndex`.
Exchanged Exchange(int contestIndex, const QsoRecord& qso, int version = 1003,
                   const char* operatorCall = "W1AW", int arrlSs = 0) {
  LogHeader header;
  header.version = version;
  header.contestIndex = static_cast<std::uint8_t>(contestIndex);
  header.operatorCall = operatorCall;
  header.modeIndex = 1;
  ConversionOptions options;
  options.arrlSs = arrlSs;
  MemoryBody memory;
  MessageLog log;
  QsoFields fields(memory.body, log, qso.call, options.adif3);
  const FlagText flagText = WriteExchangeFields(qso, header, options, fields);
  EXPECT_THAT(log.Of(MessageKind::kInformation), IsEmpty());
  EXPECT_THAT(log.Of(MessageKind::kError), IsEmpty());
  return {ParseAdifFields(memory.Text()), log.Of(MessageKind::kWarning),
          std::string(flagText.View())};
}

QsoRecord Contact(const std::string& call, const std::string& exchange) {
  QsoRecord qso;
  qso.call = call;
  qso.exchange = exchange;
  qso.band = 4;
  qso.mode = 1;
  qso.sentNumber = 7;
  qso.receivedNumber = 42;
  qso.name = "JIM";
  return qso;
}

struct ExchangeCase {
  const char* label;
  int contestIndex;
  const char* call;
  const char* exchange;
  Fields fields;
  std::string flagText;
  std::optional<std::string> warning;
};

void CheckCases(const std::vector<ExchangeCase>& cases) {
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(c.label);
    const Exchanged out = Exchange(c.contestIndex, Contact(c.call, c.exchange));
    EXPECT_EQ(out.fields, c.fields);
    EXPECT_EQ(out.flagText, c.flagText);
    if (c.warning) {
      EXPECT_THAT(out.warnings, ElementsAre(*c.warning));
    } else {
      EXPECT_THAT(out.warnings, IsEmpty());
    }
  }
}

const Fields kSerials = {{"STX", "7"}, {"SRX", "42"}};

Fields Serials(Fields more) {
  Fields fields = kSerials;
  fields.insert(fields.end(), more.begin(), more.end());
  return fields;
}

TEST(ContestExchangeTest, ZonesOfCqwwIaruAndWrtc) {
  CheckCases({
      {"CQWW 05", 0, "DL1ABC", "05", {{"CQZ", "5"}}, "/q5", {}},
      {"CQWW 005", 0, "DL1ABC", "005", {{"CQZ", "05"}}, "/q05", {}},
      {"CQWW 5", 0, "DL1ABC", "5", {{"CQZ", "5"}}, "/q5", {}},
      {"CQWW 14", 0, "K1ABC", "14", {{"CQZ", "14"}}, "/q14", {}},
      {"CQWW 0", 0, "DL1ABC", "0", {}, "/q", {}},
      {"CQWW empty", 0, "DL1ABC", "", {}, "/q", {}},
      {"IARU 0008", 13, "DL1ABC", "0008", {{"ITUZ", "8"}}, "/i8", {}},
      {"IARU 08", 13, "DL1ABC", "08", {{"ITUZ", "8"}}, "/i8", {}},
      {"IARU 28", 13, "DL1ABC", "28", {{"ITUZ", "28"}}, "/i28", {}},
      {"IARU 12AB", 13, "DL1ABC", "12AB", {{"ITUZ", "12AB"}}, "/i12AB", {}},
      {"IARU HQ", 13, "DL1ABC", "HQ", {{"SRX_STRING", "HQ"}}, "", {}},
      {"IARU 0", 13, "DL1ABC", "0", {{"SRX_STRING", "0"}}, "", {}},
      {"IARU 00", 13, "DL1ABC", "00", {{"SRX_STRING", "00"}}, "", {}},
      {"IARU DARC", 13, "DL1ABC", "DARC", {{"SRX_STRING", "DARC"}}, "", {}},
      {"WRTC 0008", 18, "DL1ABC", "0008", {{"ITUZ", "8"}}, "/i8", {}},
      {"WRTC HQ", 18, "DL1ABC", "HQ", {{"SRX_STRING", "HQ"}}, "", {}},
  });
}

TEST(ContestExchangeTest, SerialPowerAgeAndGridContests) {
  CheckCases({
      {"WPX", 2, "DL1ABC", "345", {{"STX", "7"}, {"SRX", "345"}}, "", {}},
      {"WPX no exchange", 2, "DL1ABC", "", {{"STX", "7"}}, "", {}},
      {"WAE", 10, "K1ABC", "001", {{"STX", "7"}, {"SRX", "001"}}, "", {}},
      {"WAEE", 16, "K1ABC", "001", {{"STX", "7"}, {"SRX", "001"}}, "", {}},
      {"ODX", 24, "K1ABC", "001", {{"STX", "7"}, {"SRX", "001"}}, "", {}},
      {"ARRL power", 3, "DL1ABC", "100", {{"RX_PWR", "100"}}, "", {}},
      {"ARRL KW", 3, "DL1ABC", "KW", {{"RX_PWR", "KW"}}, "", {}},
      {"AA", 14, "JA1ABC", "59", {{"AGE", "59"}}, "", {}},
      {"AAA", 17, "JA1ABC", "59", {{"AGE", "59"}}, "", {}},
      {"VHF", 8, "K1ABC", "FN31", {{"GRIDSQUARE", "FN31"}}, "/gFN31", {}},
      {"VHFS", 15, "K1ABC", "FN42", {{"GRIDSQUARE", "FN42"}}, "/gFN42", {}},
      {"VHF empty", 8, "K1ABC", "", {}, "/g", {}},
      {"A160 section", 6, "K1ABC", "MA", {{"ARRL_SECT", "MA"}}, "", {}},
      {"A160 numeric", 6, "DL1ABC", "5", {}, "", {}},
      {"A160 12AB", 6, "DL1ABC", "12AB", {}, "", {}},
      {"A160 zero", 6, "DL1ABC", "0", {{"ARRL_SECT", "0"}}, "", {}},
      {"A160 DX", 6, "DL1ABC", "DX", {{"ARRL_SECT", "DX"}}, "", {}},
      {"A160 negative", 6, "DL1ABC", "-5", {}, "", {}},
      {"A160 blank first", 6, "DL1ABC", " 7", {}, "", {}},
      {"A160 signed zero", 6, "DL1ABC", "+0", {{"ARRL_SECT", "+0"}}, "", {}},
      {"DXPN", 11, "K1ABC", "MA", {}, "", {}},
      {"PACC", 25, "PA3ABC", "NH", {}, "", {}},
      {"index 30", 30, "K1ABC", "MA", {}, "", {}},
      {"index 31", 31, "VE3ABC", "ON", {}, "", {}},
      {"index 255", 255, "K1ABC", "XX", {}, "", {}},
  });
}

TEST(ContestExchangeTest, StateOrProvinceContests) {
  CheckCases({
      {"C160 ON Canadian", 1, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, "/vON", {}},
      {"C160 ON foreign", 1, "DL1ABC", "ON", {}, "", {}},
      {"C160 MA foreign", 1, "DL1ABC", "MA", {}, "", {}},
      {"C160 MA US", 1, "K1ABC", "MA", {{"STATE", "MA"}}, "", {}},
      {"C160 ON US", 1, "K1ABC", "ON", {}, "", StateWarning("K1ABC", "ON")},
      {"C160 XX US", 1, "K1ABC", "XX", {}, "", StateWarning("K1ABC", "XX")},
      {"C160 XX Canadian",
       1,
       "VE3ABC",
       "XX",
       {},
       "",
       StateWarning("VE3ABC", "XX")},
      {"C160 DX US", 1, "K1ABC", "DX", {}, "", {}},
      {"C160 DX Canadian", 1, "VE3ABC", "DX", {}, "", {}},
      {"C160 NT", 1, "VE8ABC", "NT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"C160 NWT", 1, "VE8ABC", "NWT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"C160 QUE", 1, "VA2ABC", "QUE", {{"VE_PROV", "QC"}}, "/vQC", {}},
      {"C160 Que", 1, "VA2ABC", "Que", {}, "", StateWarning("VA2ABC", "Que")},
      {"ARDX CT", 4, "K1ABC", "CT", {{"STATE", "CT"}}, "", {}},
      {"ARDX CT foreign", 4, "DL1ABC", "CT", {}, "", {}},
      {"ARDX QC", 4, "VA2ABC", "QC", {{"VE_PROV", "QC"}}, "/vQC", {}},
      {"AR10 serial", 5, "K1ABC", "123", {{"SRX", "123"}}, "", {}},
      {"AR10 serial Canadian", 5, "VE3ABC", "123", {{"SRX", "123"}}, "", {}},
      {"AR10 HI from KH6", 5, "KH6XYZ", "HI", {{"STATE", "HI"}}, "", {}},
      {"AR10 AK from KL7", 5, "KL7ABC", "AK", {{"STATE", "AK"}}, "", {}},
      {"AR10 HI foreign", 5, "DL1ABC", "HI", {{"STATE", "HI"}}, "", {}},
      {"AR10 Hi", 5, "KH6XYZ", "Hi", {}, "", {}},
      {"AR10 MA foreign", 5, "DL1ABC", "MA", {}, "", {}},
      {"AR10 DX US", 5, "K1ABC", "DX", {}, "", {}},
      {"AR10 XX US", 5, "K1ABC", "XX", {}, "", StateWarning("K1ABC", "XX")},
      {"AR10 0 US", 5, "K1ABC", "0", {}, "", StateWarning("K1ABC", "0")},
      {"AR10 ON", 5, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, "/vON", {}},
      {"FQP DAD",
       21,
       "K1ABC",
       "DAD",
       {{"STATE", "FL"}, {"CNTY", "FL,Miami-Dade"}},
       "",
       {}},
      {"FQP MTE foreign",
       21,
       "DL1ABC",
       "MTE",
       {{"STATE", "FL"}, {"CNTY", "FL,Manatee"}},
       "",
       {}},
      {"FQPNF DAD",
       22,
       "K1ABC",
       "DAD",
       {{"STATE", "FL"}, {"CNTY", "FL,Miami-Dade"}},
       "",
       {}},
      {"FQP NY US", 21, "K1ABC", "NY", {{"STATE", "NY"}}, "", {}},
      {"FQP NY foreign", 21, "DL1ABC", "NY", {}, "", {}},
      {"FQP NT", 21, "VE8ABC", "NT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"FQP XX US", 21, "K1ABC", "XX", {}, "", StateWarning("K1ABC", "XX")},
      {"FQP DX US", 21, "K1ABC", "DX", {}, "", {}},
      {"FQPNF NY foreign", 22, "DL1ABC", "NY", {}, "", {}},
  });
}

TEST(ContestExchangeTest, QsoPartyCountiesAndForcedUsCall) {
  CheckCases({
      {"CQP LAX",
       12,
       "K1ABC",
       "LAX",
       Serials({{"STATE", "CA"}, {"CNTY", "CA,Los Angeles"}}),
       "",
       {}},
      {"CQP LAX foreign",
       12,
       "DL1ABC",
       "LAX",
       Serials({{"STATE", "CA"}, {"CNTY", "CA,Los Angeles"}}),
       "",
       {}},
      {"CQP lax", 12, "K1ABC", "lax", kSerials, "",
       StateWarning("K1ABC", "lax")},
      {"CQP NV US", 12, "K1ABC", "NV", Serials({{"STATE", "NV"}}), "", {}},
      {"CQP NV foreign",
       12,
       "DL1ABC",
       "NV",
       Serials({{"STATE", "NV"}}),
       "",
       {}},
      {"CQP NV Canadian",
       12,
       "VE3ABC",
       "NV",
       Serials({{"STATE", "NV"}}),
       "",
       {}},
      {"CQP NT", 12, "VE8ABC", "NT", kSerials, "",
       StateWarning("VE8ABC", "NT")},
      {"CQP NWT",
       12,
       "VE8ABC",
       "NWT",
       Serials({{"VE_PROV", "NT"}}),
       "/vNT",
       {}},
      {"CQP ON", 12, "VE3ABC", "ON", Serials({{"VE_PROV", "ON"}}), "/vON", {}},
      {"CQP DX foreign", 12, "DL1ABC", "DX", kSerials, "", {}},
      {"CQP DX Canadian", 12, "VE3ABC", "DX", kSerials, "", {}},
      {"CQP XX foreign", 12, "DL1ABC", "XX", kSerials, "",
       StateWarning("DL1ABC", "XX")},
      {"NEQP FRAM",
       26,
       "K1ABC",
       "FRAM",
       {{"STATE", "ME"}, {"CNTY", "ME,Franklin"}},
       "",
       {}},
      {"NEQP FRA",
       26,
       "K1ABC",
       "FRA",
       {{"STATE", "MA"}, {"CNTY", "MA,Franklin"}},
       "",
       {}},
      {"NEQP WAKNG",
       26,
       "DL1ABC",
       "WAKNG",
       {{"STATE", "WA"}, {"CNTY", "WA,King"}},
       "",
       {}},
      {"NEQP NY foreign", 26, "DL1ABC", "NY", {{"STATE", "NY"}}, "", {}},
      {"NEQP XX foreign",
       26,
       "DL1ABC",
       "XX",
       {},
       "",
       StateWarning("DL1ABC", "XX")},
      {"NEQP DX", 26, "DL1ABC", "DX", {}, "", {}},
      {"NEQP ON", 26, "VE3ABC", "ON", {{"VE_PROV", "ON"}}, "/vON", {}},
      {"NEQP NT", 26, "VE8ABC", "NT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"NEQP_N FRAM",
       27,
       "K1ABC",
       "FRAM",
       {{"STATE", "ME"}, {"CNTY", "ME,Franklin"}},
       "",
       {}},
      {"NEQP_N NY foreign", 27, "DL1ABC", "NY", {{"STATE", "NY"}}, "", {}},
  });
}

TEST(ContestExchangeTest, SprintAndNaqpWriteStateAndName) {
  CheckCases({
      {"Sprint MA",
       28,
       "K1ABC",
       "MA",
       Serials({{"STATE", "MA"}, {"NAME", "Jim"}}),
       "",
       {}},
      {"Sprint NT", 28, "VE8ABC", "NT", Serials({{"NAME", "Jim"}}), "",
       StateWarning("VE8ABC", "NT")},
      {"Sprint NWT",
       28,
       "VE8ABC",
       "NWT",
       Serials({{"VE_PROV", "NT"}, {"NAME", "Jim"}}),
       "/vNT",
       {}},
      {"Sprint ON",
       28,
       "VE3ABC",
       "ON",
       Serials({{"VE_PROV", "ON"}, {"NAME", "Jim"}}),
       "/vON",
       {}},
      {"Sprint MA foreign",
       28,
       "DL1ABC",
       "MA",
       Serials({{"NAME", "Jim"}}),
       "",
       {}},
      {"NAQP MA",
       29,
       "K1ABC",
       "MA",
       {{"STATE", "MA"}, {"NAME", "Jim"}},
       "",
       {}},
      {"NAQP NT",
       29,
       "VE8ABC",
       "NT",
       {{"VE_PROV", "NT"}, {"NAME", "Jim"}},
       "/vNT",
       {}},
      {"NAQP XX",
       29,
       "K1ABC",
       "XX",
       {{"NAME", "Jim"}},
       "",
       StateWarning("K1ABC", "XX")},
      {"NAQP DX", 29, "DL1ABC", "DX", {{"NAME", "Jim"}}, "", {}},
  });
}

TEST(ContestExchangeTest, CanadianExchangeOfRacContests) {
  struct Case {
    const char* label;
    int contestIndex;
    const char* operatorCall;
    const char* call;
    const char* exchange;
    Fields fields;
    std::string flagText;
    std::optional<std::string> warning;
  };
  const Case cases[] = {
      {"QUE Canadian",
       19,
       "W1AW",
       "VE3ABC",
       "QUE",
       {{"VE_PROV", "QC"}, {"STX", "7"}},
       "/vQC",
       {}},
      {"QUE US",
       19,
       "W1AW",
       "K1ABC",
       "QUE",
       {{"STX", "7"}},
       "",
       SerialWarning("K1ABC", "QUE")},
      {"ON foreign",
       19,
       "W1AW",
       "DL1ABC",
       "ON",
       {{"STX", "7"}},
       "",
       SerialWarning("DL1ABC", "ON")},
      {"serial",
       19,
       "W1AW",
       "VE3ABC",
       "123",
       {{"SRX", "123"}, {"STX", "7"}},
       "",
       {}},
      {"serial from US",
       19,
       "W1AW",
       "K1ABC",
       "123",
       {{"SRX", "123"}, {"STX", "7"}},
       "",
       {}},
      {"NT is reported",
       19,
       "W1AW",
       "VE8ABC",
       "NT",
       {{"VE_PROV", "NT"}, {"STX", "7"}},
       "/vNT",
       {}},
      {"zero",
       19,
       "W1AW",
       "VE3ABC",
       "0",
       {{"STX", "7"}},
       "",
       SerialWarning("VE3ABC", "0")},
      {"own Canadian log",
       19,
       "VE3XYZ",
       "VE3ABC",
       "ON",
       {{"VE_PROV", "ON"}},
       "/vON",
       {}},
      {"own Canadian log, serial",
       19,
       "VE3XYZ",
       "K1ABC",
       "123",
       {{"SRX", "123"}},
       "",
       {}},
      {"own Canadian log, bad",
       19,
       "VA2XYZ",
       "K1ABC",
       "QUE",
       {},
       "",
       SerialWarning("K1ABC", "QUE")},
      {"empty operator call",
       19,
       "",
       "VE3ABC",
       "ON",
       {{"VE_PROV", "ON"}, {"STX", "7"}},
       "/vON",
       {}},
      {"RACW QUE",
       23,
       "W1AW",
       "VE3ABC",
       "QUE",
       {{"VE_PROV", "QC"}, {"STX", "7"}},
       "/vQC",
       {}},
      {"RACW own log",
       23,
       "VE3XYZ",
       "VE3ABC",
       "QUE",
       {{"VE_PROV", "QC"}},
       "/vQC",
       {}},
      {"RACW QUE US",
       23,
       "W1AW",
       "K1ABC",
       "QUE",
       {{"STX", "7"}},
       "",
       SerialWarning("K1ABC", "QUE")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Exchanged out = Exchange(c.contestIndex, Contact(c.call, c.exchange),
                                   1003, c.operatorCall);
    EXPECT_EQ(out.fields, c.fields);
    EXPECT_EQ(out.flagText, c.flagText);
    if (c.warning) {
      EXPECT_THAT(out.warnings, ElementsAre(*c.warning));
    } else {
      EXPECT_THAT(out.warnings, IsEmpty());
    }
  }
}

TEST(ContestExchangeTest, SweepstakesPrecedenceCheckAndComment) {
  struct Case {
    int version;
    std::uint8_t flags;
    char precedence;
    std::uint8_t check;
    std::optional<std::string> precedenceField;
    const char* checkText;
    const char* comment;
  };
  const Case cases[] = {
      {941, 0x04, 0, 75, "A", "75", "123 A N0CALL 75 EMA"},
      {941, 0x00, 'B', 75, "Q", "75", "123 Q N0CALL 75 EMA"},
      {941, 0x40, 0, 75, "B", "75", "123 B N0CALL 75 EMA"},
      {941, 0x44, 0, 75, {}, "75", "123  N0CALL 75 EMA"},
      {941, 0x01, 0, 75, "Q", "75", "123 Q N0CALL 75 EMA"},
      {941, 0xbb, 0, 75, "Q", "75", "123 Q N0CALL 75 EMA"},
      {941, 0x07, 0, 75, "A", "75", "123 A N0CALL 75 EMA"},
      {941, 0xff, 0, 75, {}, "75", "123  N0CALL 75 EMA"},
      {700, 0x40, 'U', 75, "B", "75", "123 B N0CALL 75 EMA"},
      {942, 0x04, 'U', 75, "U", "75", "123 U N0CALL 75 EMA"},
      {942, 0x00, 'M', 75, "M", "75", "123 M N0CALL 75 EMA"},
      {942, 0x04, 0, 75, {}, "75", "123  N0CALL 75 EMA"},
      {1003, 0x40, 'S', 75, "S", "75", "123 S N0CALL 75 EMA"},
      {1003, 0x00, 'A', 5, "A", "5", "123 A N0CALL 5 EMA"},
      {1003, 0x00, 'A', 0, "A", "0", "123 A N0CALL 0 EMA"},
      {1003, 0x00, 'A', 255, "A", "255", "123 A N0CALL 255 EMA"},
  };
  for (const Case& c : cases) {
    for (int arrlSs : {0, 1}) {
      SCOPED_TRACE(::testing::PrintToString(c.version) + " flags " +
                   ::testing::PrintToString(int{c.flags}) + " comment " +
                   ::testing::PrintToString(arrlSs));
      QsoRecord qso = Contact("N0CALL", "EMA");
      qso.receivedNumber = 123;
      qso.flags = c.flags;
      qso.precedence = c.precedence;
      qso.check = c.check;
      Fields expected = {{"STX", "7"}, {"SRX", "123"}};
      if (c.precedenceField)
        expected.push_back({"PRECEDENCE", *c.precedenceField});
      expected.push_back({"CHECK", c.checkText});
      expected.push_back({"ARRL_SECT", "EMA"});
      if (arrlSs) expected.push_back({"COMMENT", c.comment});
      const Exchanged out = Exchange(7, qso, c.version, "W1AW", arrlSs);
      EXPECT_EQ(out.fields, expected);
      EXPECT_EQ(out.flagText, "");
      EXPECT_THAT(out.warnings, IsEmpty());
    }
  }
}

TEST(ContestExchangeTest, SweepstakesNumbersAreUnsignedAndSectionMayBeEmpty) {
  QsoRecord qso = Contact("N0CALL", "");
  qso.sentNumber = 65535;
  qso.receivedNumber = 65535;
  qso.precedence = 'A';
  qso.check = 99;
  EXPECT_EQ(Exchange(7, qso, 1003, "W1AW", 1).fields,
            (Fields{{"STX", "65535"},
                    {"SRX", "65535"},
                    {"PRECEDENCE", "A"},
                    {"CHECK", "99"},
                    {"COMMENT", "65535 A N0CALL 99 "}}));
}

TEST(ContestExchangeTest, CommentOnlyInSweepstakes) {
  for (int index = 0; index < 32; ++index) {
    if (index == 7) continue;
    SCOPED_TRACE(index);
    const Exchanged out =
        Exchange(index, Contact("K1ABC", "MA"), 1003, "W1AW", 1);
    EXPECT_EQ(FieldValue(out.fields, "COMMENT"), std::nullopt);
  }
}

TEST(ContestExchangeTest, FieldDayClassAndSection) {
  struct Case {
    std::uint8_t transmitterCount;
    char classLetter;
    const char* exchange;
    Fields fields;
  };
  const Case cases[] = {
      {2, 'A', "CT", {{"CLASS", "2A"}, {"ARRL_SECT", "CT"}}},
      {2, 0, "CT", {{"CLASS", "2"}, {"ARRL_SECT", "CT"}}},
      {0, 'A', "EMA", {{"CLASS", "0A"}, {"ARRL_SECT", "EMA"}}},
      {12, 'B', "EMA", {{"CLASS", "12B"}, {"ARRL_SECT", "EMA"}}},
      {255, 'F', "DX", {{"CLASS", "255F"}, {"ARRL_SECT", "DX"}}},
      {0, 0, "", {{"CLASS", "0"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(int{c.transmitterCount}) +
                 c.classLetter);
    QsoRecord qso = Contact("K1ABC", c.exchange);
    qso.transmitterCount = c.transmitterCount;
    qso.classLetter = c.classLetter;
    const Exchanged out = Exchange(9, qso);
    EXPECT_EQ(out.fields, c.fields);
    EXPECT_EQ(out.flagText, "");
  }
}

TEST(ContestExchangeTest, IotaSerialAndReference) {
  struct Case {
    const char* exchange;
    std::uint8_t check;  // low byte of the received serial
    std::uint8_t high;   // high byte, stored as the precedence
    Fields fields;
    std::string flagText;
  };
  const Case cases[] = {
      {"NA001",
       0x39,
       0x30,
       {{"STX", "7"}, {"SRX", "12345"}, {"IOTA", "NA-001"}},
       "/lNA001"},
      {"EU005",
       1,
       0,
       {{"STX", "7"}, {"SRX", "1"}, {"IOTA", "EU-005"}},
       "/lEU005"},
      {"AF004",
       1,
       0,
       {{"STX", "7"}, {"SRX", "1"}, {"IOTA", "AF-004"}},
       "/lAF004"},
      {"AS007",
       1,
       0,
       {{"STX", "7"}, {"SRX", "1"}, {"IOTA", "AS-007"}},
       "/lAS007"},
      {"OC001",
       1,
       0,
       {{"STX", "7"}, {"SRX", "1"}, {"IOTA", "OC-001"}},
       "/lOC001"},
      {"SA010",
       1,
       0,
       {{"STX", "7"}, {"SRX", "1"}, {"IOTA", "SA-010"}},
       "/lSA010"},
      {"EU", 0, 0, {{"STX", "7"}, {"SRX", "0"}, {"IOTA", "EU-"}}, "/lEU"},
      {"E", 0, 0, {{"STX", "7"}, {"SRX", "0"}, {"IOTA", "E"}}, "/lE"},
      {"123", 0xff, 0xff, {{"STX", "7"}, {"SRX", "-1"}}, ""},
      {"XX001", 0, 0x80, {{"STX", "7"}, {"SRX", "-32768"}}, ""},
      {"na001", 2, 0, {{"STX", "7"}, {"SRX", "2"}}, ""},
      {"", 2, 0, {{"STX", "7"}, {"SRX", "2"}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exchange);
    QsoRecord qso = Contact("G3ABC", c.exchange);
    qso.check = c.check;
    qso.precedence = static_cast<char>(c.high);
    const Exchanged out = Exchange(20, qso);
    EXPECT_EQ(out.fields, c.fields);
    EXPECT_EQ(out.flagText, c.flagText);
    EXPECT_THAT(out.warnings, IsEmpty());
  }
}

TEST(ContestExchangeTest, CheckStateOrProvinceFollowsTheCallAreas) {
  struct Case {
    const char* label;
    int callIsUs;
    int callIsCanadian;
    const char* stateText;
    const char* exchange;
    Fields fields;
    std::string flagText;
    std::optional<std::string> warning;
  };
  const Case cases[] = {
      {"US state", 1, 0, "", "MA", {{"STATE", "MA"}}, "", {}},
      {"state before province", 1, 1, "", "MA", {{"STATE", "MA"}}, "", {}},
      {"province with both flags",
       1,
       1,
       "",
       "ON",
       {{"VE_PROV", "ON"}},
       "/vON",
       {}},
      {"NT not reported", 0, 1, "NT", "NT", {}, "", StateWarning("X1X", "NT")},
      {"NWT reported", 0, 1, "NT", "NWT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"NT reported", 0, 1, "", "NT", {{"VE_PROV", "NT"}}, "/vNT", {}},
      {"province from US", 1, 0, "", "ON", {}, "", StateWarning("X1X", "ON")},
      {"state from Canada", 0, 1, "", "MA", {}, "", StateWarning("X1X", "MA")},
      {"empty exchange", 1, 0, "", "", {}, "", StateWarning("X1X", "")},
      {"DX from US", 1, 0, "", "DX", {}, "", {}},
      {"DX from Canada", 0, 1, "", "DX", {}, "", {}},
      {"other country", 0, 0, "", "XX", {}, "", {}},
      {"other country, state", 0, 0, "", "MA", {}, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const StateCheck check{c.callIsUs != 0, c.callIsCanadian != 0, c.stateText};
    const QsoRecord qso = Contact("X1X", c.exchange);
    MemoryBody memory;
    MessageLog log;
    QsoFields fields(memory.body, log, qso.call, false);
    FlagText flagText;
    CheckStateOrProvince(qso, check, {}, fields, flagText);
    EXPECT_EQ(ParseAdifFields(memory.Text()), c.fields);
    EXPECT_EQ(flagText.View(), c.flagText);
    if (c.warning) {
      EXPECT_THAT(log.Of(MessageKind::kWarning), ElementsAre(*c.warning));
    } else {
      EXPECT_THAT(log.Of(MessageKind::kWarning), IsEmpty());
    }
  }
}

TEST(ContestExchangeTest, StateAndCountyField) {
  MemoryBody memory;
  MessageLog log;
  QsoFields fields(memory.body, log, "K1ABC", false);
  WriteStateAndCounty(fields, "MT", "Lewis & Clark");
  EXPECT_EQ(memory.Text(), "<STATE:2>MT <CNTY:16>MT,Lewis & Clark");
}

TEST(ContestExchangeTest, NameKeepsFirstCharacterAndLowersTheRest) {
  struct Case {
    const char* name;
    std::optional<std::string> written;
  };
  const Case cases[] = {
      {"ED", "Ed"},
      {"TJ", "TJ"},
      {"JIM", "Jim"},
      {"jim", "jim"},
      {"MCDONALD", "Mcdonald"},
      {"TY", "Ty"},
      {"MY", "My"},
      {"AB", "Ab"},
      {"BB", "BB"},
      {"J.", "J."},
      {"J2", "J2"},
      {"A", "A"},
      {"O'NEIL", "O'neil"},
      {"JEAN-LUC", "Jean-luc"},
      {"3RD", "3rd"},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryBody memory;
    MessageLog log;
    QsoFields fields(memory.body, log, "K1ABC", false);
    WriteName(fields, c.name);
    EXPECT_EQ(FieldValue(ParseAdifFields(memory.Text()), "NAME"), c.written);
  }
}

TEST(ContestExchangeTest, FlagTextHoldsAtMostOneTag) {
  const std::pair<const char*, const char*> contacts[] = {
      {"VE3ABC", "ON"},    {"K1ABC", "MA"},    {"DL1ABC", "14"},
      {"VE3ABC", "NA001"}, {"VE3ABC", "0008"}, {"KH6XYZ", "HI"},
      {"VE8ABC", "NWT"},   {"VE3ABC", "FN31"},
  };
  for (int index = 0; index < 32; ++index) {
    for (const auto& [call, exchange] : contacts) {
      SCOPED_TRACE(::testing::PrintToString(index) + " " + call + " " +
                   exchange);
      const std::string flagText =
          Exchange(index, Contact(call, exchange)).flagText;
      if (flagText.empty()) continue;
      EXPECT_EQ(flagText.front(), '/');
      EXPECT_EQ(flagText.find('/', 1), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kestrum
