// SPDX-License-Identifier: MIT
// The parts of the dialog that work without a window: the message list's
// content and its limit, a batch of dropped logs, the progress pacing and
// the program's command line.
#include "ui/model/batch_conversion.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"
#include "ui/model/dialog_arguments.h"
#include "ui/model/message_list.h"
#include "ui/model/progress_pacer.h"

namespace kestrum {
namespace {

using testing::BuildLog;
using testing::Bytes;
using testing::MemoryFileAccess;
using testing::TestHeader;
using testing::TestRecord;

std::vector<std::pair<MessageKind, std::string>> Shown(
    const MessageListContent& list) {
  std::vector<std::pair<MessageKind, std::string>> shown;
  for (const ShownLine& line : list.Lines()) {
    shown.emplace_back(line.kind, line.text);
  }
  return shown;
}

// A 10.xx log of `calls`; a call without a digit draws a warning.
Bytes LogOf(const std::vector<std::string>& calls) {
  TestHeader header;
  header.contest = "CQ-WW-CW";
  std::vector<TestRecord> records;
  for (const std::string& call : calls) {
    TestRecord record;
    record.call = call;
    record.exchange = "5";
    record.band = 3;
    record.mode = 1;
    record.frequencyA = 14025000;
    record.time = testing::UtcSeconds(2024, 11, 30, 12);
    records.push_back(record);
  }
  return BuildLog(header, records);
}

class RecordingBatchUi final : public BatchUi {
 public:
  int listsShown = 0;
  std::vector<std::size_t> progressOf;  // the log of each progress report

  void ShowList(const MessageListContent&) override { ++listsShown; }
  void ShowProgress(std::size_t index, std::size_t count, std::uint64_t done,
                    std::uint64_t total) override {
    EXPECT_LT(index, count);
    EXPECT_LE(done, total);
    progressOf.push_back(index);
  }
};

TEST(MessageListTest, KeepsKindsAndOrderAndLimitsTheWarnings) {
  MessageLog log;
  LogMessage(log, MessageKind::kError, "bad");
  LogMessage(log, MessageKind::kInformation, "header");
  const std::size_t warnings = MessageListContent::kShownWarnings + 25;
  for (std::size_t i = 0; i < warnings; ++i) {
    LogMessage(log, MessageKind::kWarning, "warning " + std::to_string(i));
  }

  MessageListContent list;
  list.AddRun(log);
  const auto shown = Shown(list);
  // header, empty, the warnings kept, the count of the others, empty,
  // bad, empty.
  ASSERT_EQ(shown.size(), MessageListContent::kShownWarnings + 6);
  EXPECT_EQ(shown[0],
            std::pair(MessageKind::kInformation, std::string("header")));
  EXPECT_EQ(shown[2].second, "warning 0");
  const std::size_t more = MessageListContent::kShownWarnings + 2;
  EXPECT_EQ(shown[more - 1].second, "warning 9999");
  EXPECT_EQ(shown[more], std::pair(MessageKind::kWarning,
                                   std::string("25 more warnings not shown")));
  EXPECT_EQ(shown[more + 1], std::pair(MessageKind::kWarning, std::string()));
  EXPECT_EQ(shown[more + 2],
            std::pair(MessageKind::kError, std::string("bad")));

  // The limit holds across the runs of one list, and Clear starts afresh.
  MessageLog next;
  LogMessage(next, MessageKind::kWarning, "one more");
  list.AddRun(next);
  EXPECT_EQ(list.Lines()[list.Lines().size() - 2].text,
            "1 more warnings not shown");
  list.Clear();
  list.AddRun(next);
  EXPECT_EQ(Shown(list).front().second, "one more");
}

TEST(BatchConversionTest, ConvertsEachLogAndSumsUp) {
  MemoryFileAccess files;
  files.files["/a/first.bin"] = LogOf({"K1ABC", "GOX", "JA1XYZ"});
  files.files["/a/BAD.BIN"] = Bytes(100);
  files.files["/a/gone.bin"] = LogOf({"K1ABC"});
  files.unreadable.insert("/a/gone.bin");
  files.files["/a/second.bin"] = LogOf({"W1AW"});
  testing::FixedClock clock({1796688000});
  MessageListContent list;
  RecordingBatchUi ui;

  const std::vector<std::string> logs = {"/a/first.bin", "/a/BAD.BIN",
                                         "/a/gone.bin", "/a/second.bin"};
  const BatchOutcome outcome =
      ConvertLogs(logs, ConversionOptions(), files, clock, list, ui);
  EXPECT_EQ(outcome.converted, 2);
  EXPECT_EQ(outcome.refused, 1);
  EXPECT_EQ(outcome.failed, 1);
  EXPECT_EQ(outcome.qsosWritten, 4);
  EXPECT_EQ(BatchSummary(outcome),
            "2 logs converted, 1 refused, 1 failed; 4 QSOs written");
  EXPECT_EQ(ui.listsShown, 4);
  EXPECT_FALSE(ui.progressOf.empty());

  // Each log into its own ADIF file; none for those that were not read.
  EXPECT_TRUE(files.Text("/a/first.adi").has_value());
  EXPECT_TRUE(files.Text("/a/second.adi").has_value());
  EXPECT_FALSE(files.Text("/a/BAD.adi").has_value());
  EXPECT_FALSE(files.Text("/a/gone.adi").has_value());

  // Each log's lines under the line naming it; a failure that only a box
  // told of is a line of its own.
  std::vector<std::string> headings;
  std::vector<std::string> errors;
  for (const auto& [kind, text] : Shown(list)) {
    if (text.starts_with("ZR BIN file ")) headings.push_back(text);
    if (kind == MessageKind::kError && !text.empty()) errors.push_back(text);
  }
  EXPECT_EQ(headings,
            (std::vector<std::string>{
                "ZR BIN file /a/first.bin", "ZR BIN file /a/BAD.BIN",
                "ZR BIN file /a/gone.bin", "ZR BIN file /a/second.bin"}));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "ZR file /a/BAD.BIN does not have a valid header.");
  EXPECT_TRUE(
      errors[1].starts_with("ERROR:  Could not open ZR BIN file "
                            "/a/gone.bin"))
      << errors[1];
}

TEST(BatchConversionTest, SummaryCountsWords) {
  EXPECT_EQ(BatchSummary({1, 0, 0, 9}), "1 log converted; 9 QSOs written");
  EXPECT_EQ(BatchSummary({3, 1, 0, 245}),
            "3 logs converted, 1 refused; 245 QSOs written");
  EXPECT_EQ(BatchSummary({0, 0, 2, 0}),
            "0 logs converted, 2 failed; 0 QSOs written");
}

TEST(ProgressPacerTest, ShowsAfterHalfASecondThenTenTimesASecond) {
  using std::chrono::milliseconds;
  const ProgressPacer::Clock::time_point start;
  ProgressPacer pacer(start);
  EXPECT_EQ(pacer.Update(10, 100, start + milliseconds(499)), std::nullopt);
  EXPECT_EQ(pacer.Update(10, 100, start + milliseconds(500)), 10);
  // The same percentage is shown again only after a while.
  EXPECT_EQ(pacer.Update(10, 100, start + milliseconds(550)), std::nullopt);
  EXPECT_EQ(pacer.Update(10, 100, start + milliseconds(600)), 10);
  EXPECT_EQ(pacer.Update(11, 100, start + milliseconds(610)), 11);
  EXPECT_EQ(pacer.Update(100, 100, start + milliseconds(620)), 100);
  EXPECT_EQ(pacer.Update(0, 0, start + milliseconds(900)), 100);
}

TEST(DialogArgumentsTest, FirstFileIsTheLogTheOthersAreIgnored) {
  using Strings = std::vector<std::string>;
  struct Case {
    Strings arguments;
    std::optional<std::string> log;
    Strings ignored;
    bool help;
  };
  const std::vector<Case> cases = {
      {{}, std::nullopt, {}, false},
      {{"cq.bin"}, "cq.bin", {}, false},
      {{"cq.bin", "b.bin", "c"}, "cq.bin", {"b.bin", "c"}, false},
      {{"--help"}, std::nullopt, {}, true},
      // The toolkit's options and their values are no logs.
      {{"--display", ":1", "cq.bin"}, "cq.bin", {}, false},
      {{"--display=:1", "--sync", "cq.bin"}, "cq.bin", {}, false},
      {{"--", "-x.bin", "--help"}, "-x.bin", {"--help"}, false},
      {{"-"}, "-", {}, false},
  };
  for (const Case& c : cases) {
    const DialogArguments parsed = ParseDialogArguments(c.arguments);
    const std::string name = c.arguments.empty() ? "" : c.arguments.front();
    EXPECT_EQ(parsed.log, c.log) << name;
    EXPECT_EQ(parsed.ignored, c.ignored) << name;
    EXPECT_EQ(parsed.help, c.help) << name;
  }
  EXPECT_TRUE(ParseDialogArguments({"--version"}).version);
}

}  // namespace
}  // namespace kestrum
