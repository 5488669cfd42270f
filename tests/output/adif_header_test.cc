// SPDX-License-Identifier: MIT
#include "output/adif_header.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::BuildLog;
using ::testing::HasSubstr;
using testing::MemoryRun;
using ::testing::StartsWith;
using testing::TestHeader;
using testing::TestRecord;
using testing::UtcSeconds;

const BuildStamp kStamp{"May 28 2011", "11:01:24"};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

LogHeader StationHeader() {
  LogHeader header;
  header.version = 700;
  header.contest = "CQWW";
  header.operatorCall = "W1AW";
  header.zone = "5";
  header.name = "Hiram";
  header.street = "225 Main St";
  header.town = "Newington";
  header.state = "CT";
  header.zip = "06111";
  header.club = "Radio Club";
  header.category = "SO";
  header.powerIndex = 1;
  return header;
}

// The body of an ADIF file: everything after the end-of-header tag and the
// empty line behind it.
std::string BodyOf(const std::string& adif) {
  const std::size_t end = adif.find("<EOH>\n\n");
  return end == std::string::npos ? "<no header>" : adif.substr(end + 7);
}

TEST(AdifHeaderTest, HeaderListsStationCountAndHeaderFields) {
  const OutputFacts facts{12, UtcSeconds(2011, 5, 28, 11, 0, 0)};
  std::vector<std::string> lines =
      SplitLines(FormatOutputHeader(StationHeader(), {}, facts, kStamp));
  ASSERT_EQ(lines.size(), 28u);

  // Free wording: the notice's span of years, the maker's address, the
  // author's name.
  EXPECT_THAT(lines[1], HasSubstr("1986"));
  EXPECT_THAT(lines[1], HasSubstr("2011"));
  EXPECT_THAT(lines[3], StartsWith("Internet:  "));
  EXPECT_GT(lines[3].size(), 11u);
  EXPECT_THAT(lines[19], StartsWith("ADIF Conversion written by "));
  EXPECT_GT(lines[19].size(), 27u);
  lines[1] = lines[3] = lines[19] = "(free)";

  const std::vector<std::string> expected = {
      "ADIF Export from ZR Version 7.00",
      "(free)",
      "",
      "(free)",
      "",
      "Contest:   CQWW",
      "Operator:  W1AW",
      "Zone:      5",
      "Name:      Hiram",
      "Street:    225 Main St",
      "Town:      Newington",
      "State:     CT",
      "ZIP:       06111",
      "Club:      Radio Club",
      "Category:  SO",
      "Power:     Low Power",
      "",
      "QSOs:      12",
      "",
      "(free)",
      "Last revised May 28 2011 11:01:24",
      "",
      "<ADIF_VER:5>2.1.7",
      "<PROGRAMID:2>ZR",
      "<PROGRAMVERSION:4>7.00",
      "<EOH>",
      "",
      "",
  };
  EXPECT_EQ(lines, expected);
}

TEST(AdifHeaderTest, PowerLineOnlyForAKnownPowerIndex) {
  struct Case {
    std::uint8_t powerIndex;
    std::optional<std::string> line;
  };
  const Case cases[] = {
      {0, "Power:     High Power"},
      {1, "Power:     Low Power"},
      {2, "Power:     QRP"},
      {99, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.powerIndex));
    LogHeader header = StationHeader();
    header.powerIndex = c.powerIndex;
    const std::vector<std::string> lines =
        SplitLines(FormatOutputHeader(header, {}, {}, kStamp));
    EXPECT_EQ(lines[14], "Category:  SO");
    if (c.line) {
      EXPECT_EQ(lines[15], *c.line);
      EXPECT_EQ(lines[16], "");
    } else {
      EXPECT_EQ(lines[15], "");
      EXPECT_EQ(lines[16], "QSOs:      0");
    }
  }
}

TEST(AdifHeaderTest, UnknownPowerIndexGivesNoPowerName) {
  // A damaged 7.xx header: either no power line or one without a value.
  for (const std::uint8_t powerIndex :
       {std::uint8_t{3}, std::uint8_t{50}, std::uint8_t{98}}) {
    SCOPED_TRACE(static_cast<int>(powerIndex));
    LogHeader header = StationHeader();
    header.powerIndex = powerIndex;
    const std::vector<std::string> lines =
        SplitLines(FormatOutputHeader(header, {}, {}, kStamp));
    EXPECT_THAT(lines[15], ::testing::AnyOf("", "Power:     "));
  }
}

TEST(AdifHeaderTest, VersionTextInFirstLineAndProgramVersion) {
  struct Case {
    int version;
    const char* firstLine;
    const char* programVersion;
  };
  const Case cases[] = {
      {700, "ADIF Export from ZR Version 7.00", "<PROGRAMVERSION:4>7.00"},
      {947, "ADIF Export from ZR Version 9.47", "<PROGRAMVERSION:4>9.47"},
      {952, "ADIF Export from ZR Version 9.52", "<PROGRAMVERSION:4>9.52"},
      {999, "ADIF Export from ZR Version 9.99", "<PROGRAMVERSION:4>9.99"},
      {1000, "ADIF Export from ZR Version 10.00", "<PROGRAMVERSION:5>10.00"},
      {1003, "ADIF Export from ZR Version 10.03", "<PROGRAMVERSION:5>10.03"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    LogHeader header = StationHeader();
    header.version = c.version;
    header.powerIndex = kNoPowerIndex;
    const std::vector<std::string> lines =
        SplitLines(FormatOutputHeader(header, {}, {}, kStamp));
    EXPECT_EQ(lines.front(), c.firstLine);
    EXPECT_THAT(lines, ::testing::Contains(c.programVersion));
  }
}

TEST(AdifHeaderTest, EmptyStationTextsKeepTheirLabels) {
  LogHeader header;
  header.version = 1003;
  header.powerIndex = kNoPowerIndex;
  const std::vector<std::string> lines =
      SplitLines(FormatOutputHeader(header, {}, {}, kStamp));
  const std::vector<std::string> station(lines.begin() + 5, lines.begin() + 18);
  const std::vector<std::string> expected = {
      "Contest:   ",
      "Operator:  ",
      "Zone:      ",
      "Name:      ",
      "Street:    ",
      "Town:      ",
      "State:     ",
      "ZIP:       ",
      "Club:      ",
      "Category:  ",
      "",
      "QSOs:      0",
      "",
  };
  EXPECT_EQ(station, expected);
}

TEST(AdifHeaderTest, AngleBracketInStationTextBecomesParenthesis) {
  LogHeader header = StationHeader();
  header.name = "<EOH>";
  header.club = "a<b";
  const std::string text = FormatOutputHeader(header, {}, {}, kStamp);
  EXPECT_THAT(text, HasSubstr("\nName:      (EOH>\n"));
  EXPECT_THAT(text, HasSubstr("\nClub:      a(b\n"));
  EXPECT_EQ(text.find("<EOH>"), text.rfind("<EOH>"));
}

// Sets the process's time zone; nullopt removes the setting.
void SetTimeZone(const std::optional<std::string>& zone) {
#ifdef _WIN32
  _putenv_s("TZ", zone ? zone->c_str() : "");
  _tzset();
#else
  if (zone) {
    setenv("TZ", zone->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
#endif
}

TEST(AdifHeaderTest, RightsNoticeEndsInTheUtcYearOfTheRunStart) {
  // A zone 14 hours east of UTC: a local-time breakdown would see the next
  // year at the end of December.
  const char* savedZone = std::getenv("TZ");
  const std::optional<std::string> saved =
      savedZone ? std::optional<std::string>(savedZone) : std::nullopt;
  SetTimeZone("XYZ-14");

  OutputFacts facts;
  facts.startTime = UtcSeconds(2011, 12, 31, 23, 59, 59);
  const std::string notice2011 =
      SplitLines(FormatOutputHeader(StationHeader(), {}, facts, kStamp))[1];
  facts.startTime = UtcSeconds(2026, 1, 1, 0, 0, 0);
  const std::string notice2026 =
      SplitLines(FormatOutputHeader(StationHeader(), {}, facts, kStamp))[1];

  SetTimeZone(saved);

  EXPECT_THAT(notice2011, HasSubstr("1986"));
  EXPECT_THAT(notice2011, HasSubstr("2011"));
  EXPECT_THAT(notice2011, ::testing::Not(HasSubstr("2012")));
  std::string replaced = notice2026;
  const std::size_t year = replaced.find("2026");
  ASSERT_NE(year, std::string::npos);
  replaced.replace(year, 4, "2011");
  EXPECT_EQ(replaced, notice2011) << "the closing year is the only change";
}

TEST(AdifHeaderTest, WrittenHeaderIsTheFormattedOne) {
  const OutputFacts facts{1, UtcSeconds(2011, 5, 28)};
  ConversionOptions adif3;
  adif3.adif3 = true;
  for (const ConversionOptions& options : {ConversionOptions{}, adif3}) {
    StringSink sink;
    ASSERT_TRUE(
        WriteOutputHeader(sink, StationHeader(), options, facts, kStamp));
    EXPECT_EQ(sink.Text(),
              FormatOutputHeader(StationHeader(), options, facts, kStamp));
    EXPECT_THAT(sink.Text(), HasSubstr(options.adif3 ? "<ADIF_VER:5>3.1.4\n"
                                                     : "<ADIF_VER:5>2.1.7\n"));
  }
}

TEST(AdifHeaderTest, LogWithoutWrittenContactsHasOneEmptyBodyLine) {
  TestHeader fieldDay;
  fieldDay.generation = 8;
  fieldDay.versionText = "ZR 8.50";
  fieldDay.contestIndex = 9;
  TestRecord satellite;
  satellite.call = "K1ABC";
  satellite.band = 12;

  TestHeader wpx;
  wpx.contestIndex = 2;
  TestRecord ownCall;
  ownCall.call = "W1AW";
  TestRecord lettersOnly;
  lettersOnly.call = "NOCALL";

  struct Case {
    const char* label;
    TestHeader header;
    std::vector<TestRecord> records;
    const char* qsoLine;
  };
  const Case cases[] = {
      {"no records", wpx, {}, "\nQSOs:      0\n"},
      {"all ignored", fieldDay, {satellite, satellite}, "\nQSOs:      0\n"},
      {"all skipped", wpx, {ownCall, lettersOnly}, "\nQSOs:      2\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryRun run;
    run.Convert(BuildLog(c.header, c.records));
    const std::string output = run.Output();
    EXPECT_THAT(output, HasSubstr(c.qsoLine));
    EXPECT_EQ(BodyOf(output), "\n");
  }
}

TEST(AdifHeaderTest, ConsecutiveRecordsAreSeparatedByAnEmptyLine) {
  TestHeader header;
  header.contestIndex = 2;
  TestRecord first;
  first.call = "K1ABC";
  first.exchange = "001";
  first.band = 4;
  first.mode = 1;
  first.time = UtcSeconds(2011, 5, 28, 12, 0, 0);
  TestRecord second = first;
  second.call = "DL1ABC";

  MemoryRun run;
  run.options.withFrequency = false;
  run.Convert(BuildLog(header, {first, second}));
  EXPECT_EQ(BodyOf(run.Output()),
            "<CALL:5>K1ABC <QSO_DATE:8>20110528 <TIME_ON:6>120000 "
            "<MODE:2>CW <BAND:3>20M\n"
            "<RST_SENT:3>599 <RST_RCVD:1>0 <STX:1>0 <SRX:3>001 <EOR>\n"
            "\n"
            "<CALL:6>DL1ABC <QSO_DATE:8>20110528 <TIME_ON:6>120000 "
            "<MODE:2>CW <BAND:3>20M\n"
            "<RST_SENT:3>599 <RST_RCVD:1>0 <STX:1>0 <SRX:3>001 <EOR>\n"
            "\n");
}

TEST(AdifHeaderTest, HeaderOfARunShowsTheLogsStationAndPower) {
  struct Case {
    int generation;
    const char* versionText;
    const char* programVersion;
    bool powerLine;
  };
  const Case cases[] = {
      {7, "", "<PROGRAMVERSION:4>7.00\n", true},
      {8, "ZR 8.05", "<PROGRAMVERSION:4>8.05\n", false},
      {9, "ZR 9.52", "<PROGRAMVERSION:4>9.52\n", false},
      {10, "ZR 10.03", "<PROGRAMVERSION:5>10.03\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.generation);
    TestHeader header;
    header.generation = c.generation;
    header.versionText = c.versionText;
    header.contest = "CQWW";
    header.powerNumber = 2;
    MemoryRun run;
    run.Convert(BuildLog(header, {}));
    const std::string output = run.Output();
    EXPECT_THAT(output, HasSubstr("\nContest:   CQWW\nOperator:  W1AW\n"
                                  "Zone:      5\nName:      Hiram\n"
                                  "Street:    225 Main St\n"
                                  "Town:      Newington\nState:     CT\n"
                                  "ZIP:       06111\nClub:      Radio Club\n"
                                  "Category:  SO\n"));
    EXPECT_THAT(output, HasSubstr(c.programVersion));
    EXPECT_EQ(output.find("\nPower:     QRP\n") != std::string::npos,
              c.powerLine);
    EXPECT_EQ(output.find("Power:") != std::string::npos, c.powerLine);
  }
}

}  // namespace
}  // namespace kestrum
