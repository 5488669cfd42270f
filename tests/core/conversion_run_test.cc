// SPDX-License-Identifier: MIT
#include "core/conversion_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
  EXPECT_EQ(RunConversion("", "out.adi", run.header, run.context, env).status,
            RunStatus::kMissingFileName);
  EXPECT_EQ(RunConversion("in.bin", "", run.header, run.context, env).status,
            RunStatus::kMissingFileName);
  EXPECT_THAT(run.ui.errorBoxes,
              ElementsAre("ERROR:  Must specify a ZR BIN file.",
                          "ERROR:  Must specify an ADIF file."));
  EXPECT_TRUE(run.ui.informationBoxes.empty());
  EXPECT_EQ(run.ui.messageListUpdates, 0);
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

TEST(ConversionRunTest, RefusedHeaderLeavesOutputEmpty) {
  MemoryRun run;
  run.files.files["out.adi"] = Bytes(10, std::byte{'x'});
  EXPECT_EQ(run.Convert(Bytes(100, std::byte{1})).status,
            RunStatus::kLogRefused);
  EXPECT_EQ(run.files.Text("out.adi"), "");
  EXPECT_THAT(run.ui.messageList,
              ElementsAre("ZR file in.bin does not have a valid header.", ""));
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to out.adi"));
  EXPECT_TRUE(run.ui.errorBoxes.empty());
}

TEST(ConversionRunTest, UnknownVersionWritesHeaderWithoutRecords) {
  TestHeader header = Header8();
  header.generation = 10;
  header.versionText = "ZR 10.995";  // rounds to 11.00
  MemoryRun run;
  EXPECT_EQ(run.Convert(BuildLog(header, {Contact("K1ABC")})).status,
            RunStatus::kLogRefused);
  EXPECT_EQ(run.header.version, 1100);
  EXPECT_THAT(run.Output(), HasSubstr("ADIF Export from ZR Version 11.00\n"));
  EXPECT_THAT(run.Output(), HasSubstr("<PROGRAMVERSION:5>11.00\n"));
  EXPECT_EQ(Body(run.Output()), "\n");
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
  run.context.contestIdText = "";
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), empty, Contact("K2ABC")}));
  EXPECT_EQ(run.context.qsosWritten, 2);
  EXPECT_EQ(run.context.qsosIgnored, 0);
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>1 "));
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>2 "));
  EXPECT_THAT(Body(run.Output()), ::testing::Not(HasSubstr("<STX:1>3")));
}

TEST(ConversionRunTest, SkippedContactCountsAndAdvancesSerial) {
  MemoryRun run;
  run.Convert(BuildLog(Header8(), {Contact("W1AW"), Contact("K2ABC")}));
  EXPECT_EQ(run.context.qsosWritten, 2);
  EXPECT_THAT(Body(run.Output()), HasSubstr("<STX:1>2 "));
}

TEST(ConversionRunTest, TrailingPartialRecordIsDroppedSilently) {
  Bytes log = BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")});
  log.resize(log.size() - 1);
  MemoryRun run;
  EXPECT_EQ(run.Convert(log).status, RunStatus::kConverted);
  EXPECT_EQ(run.context.qsosWritten, 1);
  EXPECT_EQ(run.ui.messageList.size(), 3u);
}

TEST(ConversionRunTest, SecondRunStartsFromZeroAndKeepsOptions) {
  MemoryRun run;
  run.context.wpxOption = 1;
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")}));
  const std::string first = run.Output();
  run.Convert(BuildLog(Header8(), {Contact("K1ABC"), Contact("K2ABC")}));
  EXPECT_EQ(run.Output(), first);
  EXPECT_EQ(run.context.qsosWritten, 2);
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
              ElementsAre("ERROR:  Could not open ZR BIN file in.bin."));
  EXPECT_EQ(run.files.files.count("out.adi"), 0u);

  MemoryRun create;
  create.files.uncreatable.insert("out.adi");
  EXPECT_EQ(create.Convert(BuildLog(Header8(), {})).status,
            RunStatus::kFileError);
  EXPECT_THAT(create.ui.errorBoxes,
              ElementsAre("ERROR:  Could not create ADIF file out.adi."));
  EXPECT_TRUE(create.ui.informationBoxes.empty());
}

TEST(ConversionRunTest, FailedWriteKeepsOldFileAndIsNoSuccess) {
  for (bool failAtCommit : {false, true}) {
    MemoryRun run;
    run.files.files["out.adi"] = Bytes(3, std::byte{'o'});
    if (failAtCommit) {
      run.files.commitFails = true;
    } else {
      run.files.writeFailsAfter = 100;  // inside the header
    }
    EXPECT_EQ(run.Convert(BuildLog(Header8(), {Contact("K1ABC")})).status,
              RunStatus::kFileError);
    EXPECT_EQ(run.files.Text("out.adi"), "ooo");
    EXPECT_TRUE(run.ui.informationBoxes.empty());
    EXPECT_THAT(run.ui.errorBoxes,
                ElementsAre("ERROR:  Could not write ADIF file out.adi; it was "
                            "left as it was."));
    ASSERT_FALSE(run.ui.messageList.empty());
    EXPECT_THAT(run.ui.messageList,
                ::testing::Contains("Could not write ADIF file out.adi."));
  }
}

TEST(ConversionRunTest, ReadErrorKeepsContactsBeforeIt) {
  MemoryRun run;
  run.files.readFailsAfter = 1024 + 50 + 20;  // inside the second record
  const RunResult result = run.Convert(BuildLog(
      Header8(), {Contact("K1ABC"), Contact("K2ABC"), Contact("K3ABC")}));
  EXPECT_EQ(result.status, RunStatus::kFileError);
  EXPECT_EQ(result.qsosWritten, 1);
  EXPECT_THAT(run.Output(), HasSubstr("<CALL:5>K1ABC"));
  EXPECT_THAT(run.ui.messageList,
              ::testing::Contains("Could not read ZR file in.bin beyond record "
                                  "1; the records before it were converted."));
}

TEST(ConversionRunTest, LongPathIsReportedWhole) {
  const std::string output = std::string(300, 'd') + "/log.adi";
  MemoryRun run;
  run.Convert(BuildLog(Header8(), {}), "in.bin", output);
  EXPECT_THAT(run.ui.informationBoxes,
              ElementsAre("0 QSOs written to " + output));
}

}  // namespace
}  // namespace kestrum
