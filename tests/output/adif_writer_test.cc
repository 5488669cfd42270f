// SPDX-License-Identifier: MIT
#include "output/adif_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/adif_fields.h"
#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::BodyText;
using testing::BuildLog;
using ::testing::HasSubstr;
using testing::MemoryFileAccess;
using testing::MemoryRun;
using ::testing::StartsWith;
using testing::TestHeader;
using testing::TestRecord;
using testing::UtcSeconds;

const BuildStamp kStamp{"May 28 2011", "11:01:24"};

// A value whose field "<X:n>value" is exactly `length` characters long.
std::string ValueOfFieldLength(std::size_t length) {
  for (std::size_t count = 0; count < length; ++count) {
    if (4 + std::to_string(count).size() + count == length) {
      return std::string(count, 'v');
    }
  }
  ADD_FAILURE() << "no value gives a field of " << length << " characters";
  return "";
}

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

TEST(AdifWriterTest, FieldStatesTheLengthOfItsValue) {
  ConversionContext context;
  AddField(context, "CALL", "W1AW");
  EXPECT_EQ(context.lineText, "<CALL:4>W1AW");
  EXPECT_EQ(context.lineLength, 12);
  AddField(context, "NAME", "Twelve chars");
  EXPECT_EQ(context.lineText, "<CALL:4>W1AW <NAME:12>Twelve chars");
  EXPECT_EQ(context.lineLength, 34);
}

TEST(AdifWriterTest, FieldThatWouldReachColumn80StartsANewLine) {
  struct Case {
    std::size_t lineLength;  // of the line already built; 0: empty line
    std::size_t fieldLength;
    bool startsNewLine;
  };
  const Case cases[] = {
      {0, 79, false},   // fills the empty line to column 79
      {50, 29, false},  // 79 before the blank: an 80-character line
      {50, 30, true},   // 80 before the blank
      {60, 18, false}, {60, 20, true}, {79, 6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.lineLength) + " + " +
                 ::testing::PrintToString(c.fieldLength));
    ConversionContext context;
    std::string first;
    if (c.lineLength > 0) {
      AddField(context, "X", ValueOfFieldLength(c.lineLength));
      first = context.lineText;
      ASSERT_EQ(first.size(), c.lineLength);
    }
    const std::string value = ValueOfFieldLength(c.fieldLength);
    AddField(context, "Y", value);
    const std::string field =
        "<Y:" + std::to_string(value.size()) + ">" + value;
    ASSERT_EQ(field.size(), c.fieldLength);
    if (c.startsNewLine) {
      EXPECT_EQ(context.lines.LineCount(), 1u);
      EXPECT_EQ(BodyText(context), first + "\n" + field);
      EXPECT_EQ(context.lineLength, static_cast<int>(c.fieldLength));
    } else {
      EXPECT_EQ(context.lines.LineCount(), 0u);
      const std::string line = first.empty() ? field : first + " " + field;
      EXPECT_EQ(context.lineText, line);
      EXPECT_EQ(context.lineLength, static_cast<int>(line.size()));
      EXPECT_LE(line.size(), 80u);
    }
  }
}

TEST(AdifWriterTest, OverlongFieldStandsWholeOnALineOfItsOwn) {
  const std::string longValue(80, 'L');
  const std::string longField = "<CONTEST_ID:80>" + longValue;

  ConversionContext first;
  AddField(first, "CONTEST_ID", longValue);
  EXPECT_EQ(first.lines.LineCount(), 0u) << "no empty line before it";
  EXPECT_EQ(first.lineText, longField);
  AddField(first, "A", "b");
  EXPECT_EQ(BodyText(first), longField + "\n<A:1>b");

  ConversionContext later;
  AddField(later, "A", "b");
  AddField(later, "CONTEST_ID", longValue);
  AddField(later, "C", "d");
  EXPECT_EQ(BodyText(later), "<A:1>b\n" + longField + "\n<C:1>d");
}

TEST(AdifWriterTest, EmptyValueWritesNothing) {
  ConversionContext context;
  AddField(context, "CALL", "W1AW");
  AddField(context, "NAME", "");
  EXPECT_EQ(context.lineText, "<CALL:4>W1AW");
  EXPECT_EQ(context.lineLength, 12);

  EndRecord(context);
  AddField(context, "NAME", "");
  EXPECT_EQ(context.lines.LineCount(), 0u) << "an empty value flushes nothing";
  EXPECT_EQ(context.lineText, "<CALL:4>W1AW <EOR>\n");
  EXPECT_EQ(context.lineLength, kLineLengthAfterRecord);
}

TEST(AdifWriterTest, EndOfRecordStaysOnTheLastLineAndForcesANewOne) {
  ConversionContext context;
  const std::string value = ValueOfFieldLength(79);
  AddField(context, "X", value);
  const std::string field = context.lineText;
  EndRecord(context);
  EXPECT_EQ(context.lineText, field + " <EOR>\n") << "no wrap test for <EOR>";
  EXPECT_EQ(context.lineLength, 99);
  EXPECT_EQ(context.lines.LineCount(), 0u);

  AddField(context, "CALL", "K1ABC");
  EXPECT_EQ(BodyText(context), field + " <EOR>\n\n<CALL:5>K1ABC");
  EXPECT_EQ(context.lineLength, 13);
}

TEST(AdifWriterTest, FlushLineKeepsTheCurrentLine) {
  ConversionContext context;
  AddField(context, "CALL", "W1AW");
  FlushLine(context);
  EXPECT_EQ(context.lines.LineCount(), 1u);
  EXPECT_EQ(context.lineText, "<CALL:4>W1AW");
  EXPECT_EQ(context.lineLength, 12);
  EXPECT_EQ(BodyText(context), "<CALL:4>W1AW\n<CALL:4>W1AW");
}

TEST(AdifWriterTest, HeaderListsStationCountAndHeaderFields) {
  ConversionContext context;
  context.qsosWritten = 12;
  context.startTime = UtcSeconds(2011, 5, 28, 11, 0, 0);
  std::vector<std::string> lines =
      SplitLines(FormatOutputHeader(StationHeader(), context, kStamp));
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

TEST(AdifWriterTest, PowerLineOnlyForAKnownPowerIndex) {
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
        SplitLines(FormatOutputHeader(header, ConversionContext{}, kStamp));
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

TEST(AdifWriterTest, UnknownPowerIndexGivesNoPowerName) {
  // A damaged 7.xx header: either no power line or one without a value.
  for (const std::uint8_t powerIndex :
       {std::uint8_t{3}, std::uint8_t{50}, std::uint8_t{98}}) {
    SCOPED_TRACE(static_cast<int>(powerIndex));
    LogHeader header = StationHeader();
    header.powerIndex = powerIndex;
    const std::vector<std::string> lines =
        SplitLines(FormatOutputHeader(header, ConversionContext{}, kStamp));
    EXPECT_THAT(lines[15], ::testing::AnyOf("", "Power:     "));
  }
}

TEST(AdifWriterTest, VersionTextInFirstLineAndProgramVersion) {
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
        SplitLines(FormatOutputHeader(header, ConversionContext{}, kStamp));
    EXPECT_EQ(lines.front(), c.firstLine);
    EXPECT_THAT(lines, ::testing::Contains(c.programVersion));
  }
}

TEST(AdifWriterTest, EmptyStationTextsKeepTheirLabels) {
  LogHeader header;
  header.version = 1003;
  header.powerIndex = kNoPowerIndex;
  const std::vector<std::string> lines =
      SplitLines(FormatOutputHeader(header, ConversionContext{}, kStamp));
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

TEST(AdifWriterTest, AngleBracketInStationTextBecomesParenthesis) {
  LogHeader header = StationHeader();
  header.name = "<EOH>";
  header.club = "a<b";
  const std::string text =
      FormatOutputHeader(header, ConversionContext{}, kStamp);
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

TEST(AdifWriterTest, RightsNoticeEndsInTheUtcYearOfTheRunStart) {
  // A zone 14 hours east of UTC: a local-time breakdown would see the next
  // year at the end of December.
  const char* savedZone = std::getenv("TZ");
  const std::optional<std::string> saved =
      savedZone ? std::optional<std::string>(savedZone) : std::nullopt;
  SetTimeZone("XYZ-14");

  ConversionContext context;
  context.startTime = UtcSeconds(2011, 12, 31, 23, 59, 59);
  const std::string notice2011 =
      SplitLines(FormatOutputHeader(StationHeader(), context, kStamp))[1];
  context.startTime = UtcSeconds(2026, 1, 1, 0, 0, 0);
  const std::string notice2026 =
      SplitLines(FormatOutputHeader(StationHeader(), context, kStamp))[1];

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

TEST(AdifWriterTest, OutputFileIsHeaderThenEveryLine) {
  ConversionContext context;
  context.qsosWritten = 1;
  AddField(context, "CALL", "K1ABC");
  EndRecord(context);
  FlushLine(context);
  const LogHeader header = StationHeader();

  MemoryFileAccess files;
  auto file = files.CreateOutput("out.adi", true).file;
  ASSERT_TRUE(WriteOutputFile(*file, header, context, kStamp));
  ASSERT_TRUE(file->Commit());
  EXPECT_EQ(
      *files.Text("out.adi"),
      FormatOutputHeader(header, context, kStamp) + "<CALL:5>K1ABC <EOR>\n\n");
}

TEST(AdifWriterTest, LogWithoutWrittenContactsHasOneEmptyBodyLine) {
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

TEST(AdifWriterTest, ConsecutiveRecordsAreSeparatedByAnEmptyLine) {
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

TEST(AdifWriterTest, HeaderOfARunShowsTheLogsStationAndPower) {
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
