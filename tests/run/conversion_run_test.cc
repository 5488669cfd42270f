// SPDX-License-Identifier: MIT
#include "run/conversion_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::BuildLog;
using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::MemoryRun;
using testing::TestHeader;
using testing::TestRecord;

TestHeader Header8() {
  TestHeader header;
  header.generation = 8;
  header.versionText = "ZR 8.05";
  header.contestIndex = 2;  // WPX: serial numbers, no state checks
  return header;
}

TestRecord Contact(const char* call, const char* exchange = "001") {
  TestRecord record;
  record.call = call;
  record.exchange = exchange;
  record.band = 4;
  record.mode = 1;
  record.receivedNumber = 599;
  record.frequencyA = 14025000;
  record.time = 1306540800;
  return record;
}

// The text of the body: everything after the end-of-header tag and its
// empty line.
std::string Body(const std::string& adif) {
  const std::size_t end = adif.find("<EOH>\n\n");
  return end == std::string::npos ? "<no header>" : adif.substr(end + 7);
}

TEST(ConversionRunTest, MissingFileNamesShowErrorBoxAndTouchNothing) {
  MemoryRun run;
  RunEnvironment env{run.ui, run.files, run.clock};
  EXPECT_EQ(RunConversion({"", "out.adi", {}}, env).status,
            RunStatus::kMissingFileName);
  EXPECT_EQ(RunConversion({"in.bin", "", {}}, env).status,
            RunStatus::kMissingFileName);
  EXPECT_THAT(run.ui.errorBoxes,
              ElementsAre("ERROR:  Must specify a ZR BIN file.",
                          "ERROR:  Must specify an ADIF file."));
  EXPECT_TRUE(run.ui.informationBoxes.empty());
  // The list is emptied, so that it shows no earlier run's lines.
  EXPECT_EQ(run.ui.messageListUpdates, 2);
  EXPECT_TRUE(run.ui.messageList.empty());
  EXPECT_TRUE(run.files.files.empty());
}

TEST(ConversionRunTest, LogWithoutRecordsWritesHeaderAndOneEmptyLine) {
  MemoryRun run;
  EXPECT_EQ(run.Convert(BuildLog(Header8(), {})).status, RunStatus::kConverted);
  EXPECT_EQ(Body(run.Output()), "\n");
  EXPECT_THAT(run.Output(), HasSubstr("\nQSOs:      0\n"));
  EXPECT_THAT(run.ui.messageList,
              ElementsAre("Contest is WPX, Operator is W1AW, ZR 8.05",
                          "0 QSOs written in 0 seconds to out.adi", ""));
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to out.adi"));
}

TEST(ConversionRunTest, RefusedHeaderLeavesOutputAsItWas) {
  MemoryRun run;
  run.files.files["out.adi"] = Bytes(10, std::byte{'x'});
  EXPECT_EQ(run.Convert(Bytes(100, std::byte{1})).status,
            RunStatus::kLogRefused);
  EXPECT_EQ(run.files.Text("out.adi"), "xxxxxxxxxx");
  EXPECT_THAT(run.ui.messageList,
              ElementsAre("ZR file in.bin does not have a valid header.", ""));
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to out.adi"));
  EXPECT_TRUE(run.ui.errorBoxes.empty());
}

TEST(ConversionRunTest, UnknownVersionIsRefusedAndWritesNothing) {
  TestHeader header = Header8();
  header.generation = 10;
  header.versionText = "ZR 10.995";  // rounds to 11.00
  MemoryRun run;
  EXPECT_EQ(run.Convert(BuildLog(header, {Contact("K1ABC")})).status,
            RunStatus::kLogRefused);
  EXPECT_EQ(run.result.header.version, 1100);
  EXPECT_EQ(run.files.files.count("out.adi"), 0u);
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to out.adi"));
  EXPECT_THAT(run.ui.messageList,
              ElementsAre("Contest is WPX, Operator is W1AW, ZR 10.995",
                          "0 QSOs written in 0 seconds to out.adi", "",
                          "Unknown ZR version, can not convert.\n", ""));
}

TEST(ConversionRunTest, ElapsedSecondsTakeSingularOnlyForOne) {
  const struct {
    std::int64_t end;
    const char* line;
  } cases[] = {{990, "1 QSOs written in 0 seconds to out.adi"},  // set back
               {1000, "1 QSOs written in 0 seconds to out.adi"},
               {1001, "1 QSOs written in 1 second to out.adi"},
               {1002, "1 QSOs written in 2 seconds to out.adi"}};
  for (const auto& c : cases) {
    MemoryRun run;
    run.clock = testing::FixedClock({1000, c.end});
    run.Convert(BuildLog(Header8(), {Contact("K1ABC")}));
    ASSERT_GE(run.ui.messageList.size(), 2u);
    EXPECT_EQ(run.ui.messageList[1], c.line);
  }
}

TEST(ConversionRunTest, MessageListShowsKindsInOrderOldestFirst) {
  TestHeader header = Header8();
  header.contestIndex = 9;  // Field Day: band 12 of an 8.xx log is satellite
  TestRecord satellite = Contact("K1SAT");
  satellite.band = 12;
  MemoryRun run;
  run.Convert(BuildLog(header, {Contact("AAA"), satellite, Contact("BBB")}));
  EXPECT_THAT(run.ui.messageList,
              ElementsAre("Contest is FD, Operator is W1AW, ZR 8.05",
                          "2 QSOs written in 0 seconds to out.adi "
                          "(non-satellite)",
                          "1 QSOs ignored (satellite)", "",
                          "Skipping QSO with AAA on 20110528 at 000000",
                          "Skipping QSO with BBB on 20110528 at 000000", ""));
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("2 QSOs written to out.adi"));
  EXPECT_THAT(run.Output(), HasSubstr("\nQSOs:      2\n"));
}

TEST(ConversionRunTest, EmptyCallIsPassedOverWithoutCountOrSerial) {
  TestRecord empty;  // a record of zeros
  MemoryRun run;
  run.options.contestIdText = "";
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), empty, Contact("K2ABC")}));
  EXPECT_EQ(run.result.qsosWritten, 2);
  EXPECT_EQ(run.result.qsosIgnored, 0);
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>1 "));
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>2 "));
  EXPECT_THAT(Body(run.Output()), ::testing::Not(HasSubstr("<STX:1>3")));
}

TEST(ConversionRunTest, SkippedContactCountsAndAdvancesSerial) {
  MemoryRun run;
  run.Convert(BuildLog(Header8(), {Contact("W1AW"), Contact("K2ABC")}));
  EXPECT_EQ(run.result.qsosWritten, 2);
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>2 "));
}

TEST(ConversionRunTest, TrailingPartialRecordIsDroppedSilently) {
  Bytes log = BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")});
  log.resize(log.size() - 1);
  MemoryRun run;
  EXPECT_EQ(run.Convert(log).status, RunStatus::kConverted);
  EXPECT_EQ(run.result.qsosWritten, 1);
  EXPECT_EQ(run.ui.messageList.size(), 3u);
}

TEST(ConversionRunTest, SecondRunStartsFromZeroAndKeepsOptions) {
  MemoryRun run;
  run.options.wpxOption = true;
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")}));
  const std::string first = run.Output();
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")}));
  EXPECT_EQ(run.Output(), first);
  EXPECT_EQ(run.result.qsosWritten, 2);
  EXPECT_THAT(first, HasSubstr("<PFX:2>K1"));
}

TEST(ConversionRunTest, OutputThatIsTheInputIsRefusedBeforeWriting) {
  const Bytes log = BuildLog(Header8(), {Contact("K1ABC")});
  MemoryRun run;
  run.files.aliases.insert({"in.bin", "./in.bin"});
  EXPECT_EQ(run.Convert(log, "in.bin", "./in.bin").status,
            RunStatus::kFileError);
  EXPECT_THAT(run.ui.errorBoxes,
              ElementsAre("ERROR:  ADIF file ./in.bin is the ZR BIN file "
                          "itself; choose another name."));
  EXPECT_EQ(run.files.files.at("in.bin"), log);
  EXPECT_EQ(run.files.files.size(), 1u);
  EXPECT_TRUE(run.ui.informationBoxes.empty());
}

TEST(ConversionRunTest, UnopenableFilesAreReportedAndNothingIsCreated) {
  MemoryRun run;
  run.files.unreadable.insert("in.bin");
  EXPECT_EQ(run.Convert(BuildLog(Header8(), {})).status, RunStatus::kFileError);
  EXPECT_THAT(run.ui.errorBoxes,
              ElementsAre("ERROR:  Could not open ZR BIN file in.bin: "
                          "Permission denied."));
  EXPECT_EQ(run.files.files.count("out.adi"), 0u);

  MemoryRun create;
  create.files.uncreatable.insert("out.adi");
  EXPECT_EQ(create.Convert(BuildLog(Header8(), {})).status,
            RunStatus::kFileError);
  EXPECT_THAT(create.ui.errorBoxes,
              ElementsAre("ERROR:  Could not create ADIF file out.adi: "
                          "Permission denied."));
  EXPECT_TRUE(create.ui.informationBoxes.empty());
}

// A run that cannot read its log or write its file claims nothing: no
// summary, no closing report, and the old ADIF file (if any) unchanged.
TEST(ConversionRunTest, FailedReadOrWriteLeavesOutputAndClaimsNothing) {
  struct Case {
    const char* what;
    bool outputExists;
    std::optional<std::size_t> readFailsAfter;
    std::optional<std::size_t> writeFailsAfter;
    bool commitFails;
    std::string error;
  };
  const Case cases[] = {
      {"read fails in the header",
       true,
       600,
       {},
       false,
       "Could not read ZR file in.bin: Input/output error."},
      {"read fails in a record",
       true,
       1024 + 50 + 20,
       {},
       false,
       "Could not read ZR file in.bin: Input/output error."},
      {"write fails",
       true,
       {},
       100,
       false,
       "Could not write ADIF file out.adi: No space left on device. It was "
       "left as it was."},
      {"commit fails",
       true,
       {},
       {},
       true,
       "Could not write ADIF file out.adi: Input/output error. It was left "
       "as it was."},
      {"commit fails, no old file",
       false,
       {},
       {},
       true,
       "Could not write ADIF file out.adi: Input/output error."},
  };
  for (const Case& c : cases) {
    MemoryRun run;
    if (c.outputExists) run.files.files["out.adi"] = Bytes(3, std::byte{'o'});
    run.files.readFailsAfter = c.readFailsAfter;
    run.files.writeFailsAfter = c.writeFailsAfter;
    run.files.commitFails = c.commitFails;
    const RunResult result = run.Convert(BuildLog(
        Header8(), {Contact("K1ABC"), Contact("K2ABC"), Contact("K3ABC")}));
    EXPECT_EQ(result.status, RunStatus::kFileError) << c.what;
    EXPECT_EQ(result.qsosWritten, 0) << c.what;
    EXPECT_EQ(run.files.Text("out.adi"),
              c.outputExists ? std::optional<std::string>("ooo") : std::nullopt)
        << c.what;
    EXPECT_TRUE(run.ui.informationBoxes.empty()) << c.what;
    EXPECT_THAT(run.ui.errorBoxes, ElementsAre("ERROR:  " + c.error)) << c.what;
    EXPECT_THAT(run.ui.messageList, ::testing::Contains(c.error)) << c.what;
    for (const std::string& line : run.ui.messageList) {
      EXPECT_THAT(line, ::testing::Not(HasSubstr("QSOs written"))) << c.what;
    }
  }
}

TEST(ConversionRunTest, LongPathIsReportedWhole) {
  const std::string output = std::string(300, 'd') + "/log.adi";
  MemoryRun run;
  run.Convert(BuildLog(Header8(), {}), "in.bin", output);
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to " + output));
}

// The header's count comes from a first reading of the records, the body
// from a second: a log that changed in between (a record more or less, other
// bytes) fails and writes nothing; one that reads the same twice converts.
TEST(ConversionRunTest, LogThatChangesBetweenReadingsWritesNothing) {
  // Longer than the header's first reading, so that the change comes
  // between the two readings of the records.
  const std::vector<TestRecord> records(100, Contact("K1ABC"));
  const Bytes log = BuildLog(Header8(), records);
  Bytes otherCall = log;
  otherCall[1024 + 1] = std::byte{'9'};  // K9ABC: same count, other bytes
  Bytes emptyCall = log;
  emptyCall[1024 + 50] = std::byte{0};  // the second call gone
  Bytes longer = log;
  longer.push_back(std::byte{'x'});  // a piece of a record more
  std::vector<TestRecord> more = records;
  more.push_back(Contact("K3ABC"));
  const struct {
    const char* what;
    Bytes rereadAs;
  } cases[] = {
      {"unchanged", log},
      {"a record more", BuildLog(Header8(), more)},
      {"a record less",
       BuildLog(Header8(), {records.begin() + 1, records.end()})},
      {"other bytes", otherCall},
      {"a call emptied", emptyCall},
      {"a partial record more", longer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRun run;
    run.files.files["out.adi"] = Bytes(3, std::byte{'o'});
    run.files.inputsRewrittenTo = c.rereadAs;
    const RunResult result = run.Convert(log);
    if (c.rereadAs == log) {
      EXPECT_EQ(result.status, RunStatus::kConverted);
      EXPECT_EQ(result.qsosWritten, 100);
      continue;
    }
    EXPECT_EQ(result.status, RunStatus::kFileError);
    EXPECT_EQ(result.qsosWritten, 0);
    EXPECT_EQ(run.files.Text("out.adi"), "ooo");
    const std::string error =
        "Could not read ZR file in.bin: The log changed while it was "
        "converted.";
    EXPECT_THAT(run.ui.errorBoxes, ElementsAre("ERROR:  " + error));
    EXPECT_THAT(run.ui.messageList,
                ElementsAre("Contest is WPX, Operator is W1AW, ZR 8.05", "",
                            error, ""));
    EXPECT_TRUE(run.ui.informationBoxes.empty());
  }
}

TEST(ConversionRunTest, ProgressGrowsThroughBothReadingsToTheTotal) {
  std::vector<TestRecord> records(20000, Contact("K1ABC"));
  MemoryRun run;
  run.Convert(BuildLog(Header8(), records));
  const auto& progress = run.ui.progress;
  ASSERT_GE(progress.size(), 4u) << "a few calls in each reading";
  EXPECT_LE(progress.size(), 40u) << "not one per record";
  for (std::size_t i = 0; i < progress.size(); ++i) {
    EXPECT_LE(progress[i].first, progress[i].second);
    if (i > 0) {
      EXPECT_GE(progress[i].first, progress[i - 1].first);
      EXPECT_GE(progress[i].second, progress[i - 1].second);
    }
  }
  EXPECT_EQ(progress.back().first, progress.back().second);
  EXPECT_EQ(progress.back().second, 2u * 20000 * 50) << "both readings";
}

TEST(ConversionRunTest, EveryWarningOfALongLogIsShownInOrder) {
  // More warnings than the message log keeps in memory.
  std::vector<TestRecord> records;
  for (int i = 0; i < 60000; ++i) {
    records.push_back(Contact(i % 2 == 0 ? "NOCALL" : "K1ABC"));
    records.back().time = 1306540800 + i;
  }
  MemoryRun run;
  run.Convert(BuildLog(Header8(), records));
  const std::vector<std::string>& list = run.ui.messageList;
  ASSERT_EQ(list.size(), 2u + 1 + 30000 + 1);
  EXPECT_EQ(list[1], "60000 QSOs written in 0 seconds to out.adi");
  EXPECT_EQ(list[3], "Skipping QSO with NOCALL on 20110528 at 000000");
  EXPECT_EQ(list[3 + 29999], "Skipping QSO with NOCALL on 20110528 at 163958");
  EXPECT_EQ(list.back(), "");
}

}  // namespace
}  // namespace kestrum
