// SPDX-License-Identifier: MIT
// Faults the conversion fuzz target found, each with the smallest log that
// shows it, built from readable fields.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/adif_checker.h"
#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"
#include "tests/support/run_invariants.h"

namespace kestrum {
namespace {

using testing::Bytes;
using testing::TestHeader;
using testing::TestRecord;

TestRecord Contact() {
  TestRecord r;
  r.call = "DL1ABC";
  r.exchange = "14";
  r.band = 4;
  r.mode = 1;
  r.frequencyA = 14025000;
  r.time = testing::UtcSeconds(2011, 11, 26, 12, 0, 0);
  r.receivedNumber = 599;
  return r;
}

// A header call sign without its terminating zero ran on into the name and
// beyond, and the OPERATOR field of every contact then stood alone on a line
// far wider than 80 columns. The call now ends with its field.
TEST(FuzzRegressionTest, HeaderCallEndsWithItsField) {
  struct Case {
    int generation;
    std::size_t callWidth;
  };
  for (const Case c : {Case{7, 14}, Case{8, 32}, Case{10, 32}}) {
    TestHeader h;
    h.generation = c.generation;
    h.versionText = c.generation == 8 ? "ZR 8.20" : "ZR 10.03";
    h.contest = "CQWW";
    h.call = std::string(40, 'K');  // fills its field, no zero
    h.name = std::string(40, 'N');  // and so do the fields behind it
    h.street = std::string(80, 'S');
    testing::MemoryRun run;
    run.options.operatorOption = true;
    const Bytes log = BuildLog(h, {Contact()});
    run.Convert(log);
    EXPECT_EQ(run.result.header.operatorCall, std::string(c.callWidth, 'K'))
        << c.generation << ".xx";
    EXPECT_EQ(testing::CheckRunInvariants(log, run), "") << c.generation;
    EXPECT_NE(run.Output().find("<OPERATOR:" + std::to_string(c.callWidth) +
                                ">" + std::string(c.callWidth, 'K') + " "),
              std::string::npos);
  }
}

}  // namespace
}  // namespace kestrum
