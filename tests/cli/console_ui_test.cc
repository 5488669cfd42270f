// SPDX-License-Identifier: MIT
#include "cli/console_ui.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrum::cli {
namespace {

class ConsoleUiTest : public ::testing::Test {
 protected:
  std::ostringstream out_;
  std::ostringstream err_;
  ConsoleUi ui_{out_, err_};
};

TEST_F(ConsoleUiTest, PrintsEachMessageLineOnceEndedByALineFeed) {
  MessageLog log;
  LogMessage(log, MessageKind::kInformation,
             "Contest is CQWW, Operator is K1ABC, ZR 8.05");
  LogMessage(log, MessageKind::kWarning, "Caf\xE9");
  LogMessage(log, MessageKind::kError,
             "Unknown ZR version, can not convert.\n");
  ui_.ReplaceMessageList(log);
  EXPECT_EQ(out_.str(),
            "Contest is CQWW, Operator is K1ABC, ZR 8.05\n"
            "\n"
            "Caf\xE9\n"
            "\n"
            "Unknown ZR version, can not convert.\n"
            "\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(ConsoleUiTest, BoxesGoToTheirStreams) {
  ui_.ShowErrorBox("ERROR:  Could not open ZR BIN file a.bin.");
  ui_.ShowInformationBox("3 QSOs written to a.adi");
  ui_.ShowErrorBox("two lines\n");
  EXPECT_EQ(out_.str(), "3 QSOs written to a.adi\n");
  EXPECT_EQ(err_.str(),
            "kestrum-convert: ERROR:  Could not open ZR BIN file a.bin.\n"
            "kestrum-convert: two lines\n");
}

}  // namespace
}  // namespace kestrum::cli
