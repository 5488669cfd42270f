// SPDX-License-Identifier: MIT
#include "core/message_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrum {
namespace {

using ::testing::ElementsAre;

TEST(MessageLogTest, ListShowsKindsInOrderEachClosedByAnEmptyLine) {
  MessageLog log;
  LogMessage(log, MessageKind::kError, "E1");
  LogMessage(log, MessageKind::kInformation, "I1");
  LogMessage(log, MessageKind::kInformation, "I2");
  EXPECT_THAT(MessageListLines(log), ElementsAre("I1", "I2", "", "E1", ""));
  EXPECT_THAT(MessageListLines(MessageLog()), ::testing::IsEmpty());
}

TEST(MessageLogTest, LinesPastTheBudgetGoToAFileAndComeBackInOrder) {
  // A small budget, so that most warnings are spilled; lines of every
  // length and byte, line feeds and empty ones included, come back whole.
  constexpr std::size_t kBudget = 4096;
  MessageLog log(kBudget);
  std::vector<std::string> expected;
  LogMessage(log, MessageKind::kInformation, "header line");
  for (int i = 0; i < 20000; ++i) {
    std::string line = "Skipping QSO with K" + std::to_string(i);
    if (i % 97 == 0) line = "";
    if (i % 89 == 0) line += std::string(70000, 'x');  // past a chunk
    if (i % 83 == 0) line += std::string("\n\0\xff", 3);
    LogMessage(log, MessageKind::kWarning, line);
    expected.push_back(line);
    EXPECT_LE(log.BytesInMemory(), kBudget);
  }
  LogMessage(log, MessageKind::kInformation, "summary line");
  LogMessage(log, MessageKind::kError, "error line");

  EXPECT_EQ(log.Count(MessageKind::kWarning), expected.size());
  EXPECT_EQ(log.Of(MessageKind::kWarning), expected);
  std::vector<std::string> list = {"header line", "summary line", ""};
  list.insert(list.end(), expected.begin(), expected.end());
  list.insert(list.end(), {"", "error line", ""});
  EXPECT_EQ(MessageListLines(log), list);
  // Shown twice, the same; and lines added after showing still follow.
  EXPECT_EQ(MessageListLines(log), list);
  LogMessage(log, MessageKind::kWarning, "late");
  EXPECT_EQ(log.Of(MessageKind::kWarning).back(), "late");

  // A moved log keeps its lines.
  MessageLog moved = std::move(log);
  EXPECT_EQ(moved.Count(MessageKind::kWarning), expected.size() + 1);
  EXPECT_EQ(moved.Of(MessageKind::kError),
            std::vector<std::string>{"error line"});
}

}  // namespace
}  // namespace kestrum
