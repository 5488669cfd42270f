// SPDX-License-Identifier: MIT
// The ADIF checker that the damaged-log tests and the fuzz target trust:
// it accepts what the converter writes and names each kind of damage.
#include "tests/support/adif_checker.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fakes.h"
#include "tests/support/sample_logs.h"

namespace kestrum {
namespace {

using testing::AdifCheck;
using testing::CheckAdif;

// A small file as the converter writes it: two records, the second over two
// lines.
const std::string kHeader =
    "ADIF Export from ZR Version 10.03\n"
    "Contest:   CQWW\n"
    "\nQSOs:      3\n"
    "\n"
    "Last revised BUILD\n"
    "\n"
    "<ADIF_VER:5>2.1.7\n"
    "<PROGRAMID:2>ZR\n"
    "<PROGRAMVERSION:5>10.03\n"
    "<EOH>\n\n";
const std::string kBody =
    "<CALL:6>DL1ABC <BAND:3>20M <EOR>\n\n"
    "<CALL:5>K1<ZZ <QSO_DATE:8>20111126\n"
    "<NAME:4>A B> <EOR>\n\n";

TEST(AdifCheckerTest, AcceptsWhatTheConverterWrites) {
  const AdifCheck check = CheckAdif(kHeader + kBody);
  EXPECT_EQ(check.problem, "");
  EXPECT_EQ(check.headerQsoCount, 3);
  EXPECT_EQ(check.records, 2);

  const AdifCheck empty = CheckAdif(kHeader + "\n");
  EXPECT_EQ(empty.problem, "") << "a body of one empty line";
  EXPECT_EQ(empty.records, 0);

  for (const auto& sample : testing::SampleLogs()) {
    testing::MemoryRun run;
    run.options.arrlSs = run.options.operatorOption = run.options.wpxOption =
        true;
    run.Convert(BuildLog(sample.header, sample.records));
    const AdifCheck converted = CheckAdif(run.Output());
    EXPECT_EQ(converted.problem, "") << sample.name;
    EXPECT_EQ(converted.headerQsoCount, run.result.qsosWritten) << sample.name;
  }
}

TEST(AdifCheckerTest, NamesEachKindOfDamage) {
  struct Case {
    const char* damage;
    std::string text;
    const char* problem;  // the start of the expected problem
  };
  const std::string body = kBody;
  auto replaced = [](std::string text, const std::string& from,
                     const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  const Case cases[] = {
      {"length too large", replaced(body, "<BAND:3>", "<BAND:4>"),
       "field length differs"},
      {"length too small", replaced(body, "<CALL:6>", "<CALL:5>"),
       "field length differs"},
      {"length past the end", body + "<CALL:90>X", "value runs past"},
      {"leading zero", replaced(body, "<BAND:3>", "<BAND:03>"),
       "malformed field length"},
      {"empty value", replaced(body, "<BAND:3>20M", "<BAND:0>"), "empty value"},
      {"record without <EOR>", body + "<CALL:4>W1AW\n\n", "expected a tag"},
      {"<EOR> on a line of its own", replaced(body, "20M <EOR>", "20M\n<EOR>"),
       "<EOR> does not close"},
      {"no empty line after <EOR>",
       replaced(body, "<EOR>\n\n<CALL:5>", "<EOR>\n<CALL:5>"),
       "<EOR> not followed"},
      {"record without CALL", replaced(body, "<CALL:6>DL1ABC ", ""),
       "record does not start with CALL"},
      {"other tag", replaced(body, "<EOR>", "<EOX>"), "unexpected tag"},
      {"two blanks between fields",
       replaced(body, "<BAND:3>20M", "<BAND:3>20M " + std::string(70, ' ')),
       "expected a tag"},
      {"empty body", "", "body holds neither"},
  };
  for (const Case& c : cases) {
    const AdifCheck check = CheckAdif(kHeader + c.text);
    EXPECT_EQ(check.problem.substr(0, std::string(c.problem).size()), c.problem)
        << c.damage << ": " << check.problem;
  }

  std::string wide = "<CALL:6>DL1ABC";
  for (int i = 0; i < 7; ++i) wide += " <BAND:3>20M";
  EXPECT_EQ(CheckAdif(kHeader + wide + " <EOR>\n\n").problem.substr(0, 15),
            "body line wider");
  std::string widest = "<CALL:6>DL1ABC";
  for (int i = 0; i < 4; ++i) widest += " <BAND:3>20M";
  widest += " <NAME:9>ABCDEFGHI";
  ASSERT_EQ(widest.size(), 80u);
  EXPECT_EQ(CheckAdif(kHeader + widest + " <EOR>\n\n").problem, "")
      << "80 columns and the <EOR> tail";
}

TEST(AdifCheckerTest, NamesADamagedHeader) {
  const std::string body = kBody;
  auto replaced = [](std::string text, const std::string& from,
                     const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  const std::pair<std::string, const char*> cases[] = {
      {"ADIF Export" + kHeader.substr(4), "file does not start"},
      {replaced(kHeader, "\nQSOs:      3\n", "\n"), "header has no QSOs line"},
      {replaced(kHeader, "QSOs:      3", "QSOs:      x"), "malformed QSOs"},
      {replaced(kHeader, "<PROGRAMID:2>ZR", "<PROGRAMID:3>ZR"),
       "header field length differs"},
      {replaced(kHeader, "<PROGRAMVERSION:5>", "<PROGRAMVERSION:4>"),
       "header field length differs"},
      {replaced(kHeader, "2.1.7", "2.2.0"), "unknown ADIF version"},
      {replaced(kHeader, "<EOH>\n\n", "<EOH>\n"), "header fields not closed"},
  };
  for (const auto& [header, problem] : cases) {
    const AdifCheck check = CheckAdif(header + body);
    EXPECT_EQ(check.problem.substr(0, std::string(problem).size()), problem)
        << check.problem;
  }
}

}  // namespace
}  // namespace kestrum
