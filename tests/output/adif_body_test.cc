// SPDX-License-Identifier: MIT
#include "output/adif_body.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/adif_fields.h"

namespace kestrum {
namespace {

using testing::MemoryBody;

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

TEST(AdifBodyTest, FieldStatesTheLengthOfItsValue) {
  MemoryBody out;
  out.body.AddField("CALL", "W1AW");
  EXPECT_EQ(out.body.LineText(), "<CALL:4>W1AW");
  EXPECT_EQ(out.body.LineLength(), 12);
  out.body.AddField("NAME", "Twelve chars");
  EXPECT_EQ(out.body.LineText(), "<CALL:4>W1AW <NAME:12>Twelve chars");
  EXPECT_EQ(out.body.LineLength(), 34);
}

TEST(AdifBodyTest, FieldThatWouldReachColumn80StartsANewLine) {
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
    MemoryBody out;
    std::string first;
    if (c.lineLength > 0) {
      out.body.AddField("X", ValueOfFieldLength(c.lineLength));
      first = std::string(out.body.LineText());
      ASSERT_EQ(first.size(), c.lineLength);
    }
    const std::string value = ValueOfFieldLength(c.fieldLength);
    out.body.AddField("Y", value);
    const std::string field =
        "<Y:" + std::to_string(value.size()) + ">" + value;
    ASSERT_EQ(field.size(), c.fieldLength);
    if (c.startsNewLine) {
      EXPECT_EQ(out.Text(), first + "\n" + field);
      EXPECT_EQ(out.body.LineLength(), static_cast<int>(c.fieldLength));
    } else {
      const std::string line = first.empty() ? field : first + " " + field;
      EXPECT_EQ(out.Text(), line);
      EXPECT_EQ(out.body.LineLength(), static_cast<int>(line.size()));
      EXPECT_LE(line.size(), 80u);
    }
  }
}

TEST(AdifBodyTest, OverlongFieldStandsWholeOnALineOfItsOwn) {
  const std::string longValue(80, 'L');
  const std::string longField = "<CONTEST_ID:80>" + longValue;

  MemoryBody first;
  first.body.AddField("CONTEST_ID", longValue);
  EXPECT_EQ(first.Text(), longField) << "no empty line before it";
  first.body.AddField("A", "b");
  EXPECT_EQ(first.Text(), longField + "\n<A:1>b");

  MemoryBody later;
  later.body.AddField("A", "b");
  later.body.AddField("CONTEST_ID", longValue);
  later.body.AddField("C", "d");
  EXPECT_EQ(later.Text(), "<A:1>b\n" + longField + "\n<C:1>d");
}

TEST(AdifBodyTest, EmptyValueWritesNothing) {
  MemoryBody out;
  out.body.AddField("CALL", "W1AW");
  out.body.AddField("NAME", "");
  EXPECT_EQ(out.Text(), "<CALL:4>W1AW");
  EXPECT_EQ(out.body.LineLength(), 12);

  out.body.EndRecord();
  out.body.AddField("NAME", "");
  EXPECT_EQ(out.Text(), "<CALL:4>W1AW <EOR>\n")
      << "an empty value ends no line";
  EXPECT_EQ(out.body.LineLength(), kLineLengthAfterRecord);
}

TEST(AdifBodyTest, EndOfRecordStaysOnTheLastLineAndForcesANewOne) {
  MemoryBody out;
  out.body.AddField("X", ValueOfFieldLength(79));
  const std::string field(out.body.LineText());
  out.body.EndRecord();
  EXPECT_EQ(out.Text(), field + " <EOR>\n") << "no wrap test for <EOR>";
  EXPECT_EQ(out.body.LineLength(), 99);

  out.body.AddField("CALL", "K1ABC");
  EXPECT_EQ(out.Text(), field + " <EOR>\n\n<CALL:5>K1ABC");
  EXPECT_EQ(out.body.LineLength(), 13);
}

TEST(AdifBodyTest, FinishEndsTheLastLineAndWritesEverything) {
  MemoryBody empty;
  EXPECT_TRUE(empty.body.Finish());
  EXPECT_EQ(empty.sink.Text(), "\n") << "a body without records";

  MemoryBody records;
  records.body.AddField("CALL", "K1ABC");
  records.body.EndRecord();
  records.body.AddField("CALL", "K2ABC");
  records.body.EndRecord();
  EXPECT_TRUE(records.body.Finish());
  EXPECT_EQ(records.sink.Text(),
            "<CALL:5>K1ABC <EOR>\n\n<CALL:5>K2ABC <EOR>\n\n");
  EXPECT_EQ(records.body.HeldText(), "");
}

// A sink that takes a number of writes and then fails.
class FailingSink final : public TextSink {
 public:
  explicit FailingSink(int writesTaken) : left_(writesTaken) {}
  bool Write(std::string_view text) override {
    if (left_-- <= 0) return false;
    text_.append(text);
    return true;
  }
  const std::string& Text() const { return text_; }

 private:
  int left_;
  std::string text_;
};

TEST(AdifBodyTest, BlocksGoToTheSinkAsTheyFillAndAFailureSticks) {
  // Whole lines go to the sink once a block is full; the body never holds
  // much more than a block and a line.
  StringSink sink;
  AdifBody body(sink, 1000);
  std::string expected;
  for (int i = 0; i < 500; ++i) {
    body.AddField("CALL", "K" + std::to_string(i) + "ABC");
    body.EndRecord();
    EXPECT_LT(body.HeldText().size(), 1000u + 90u);
    if (!sink.Text().empty()) {
      EXPECT_EQ(sink.Text().back(), '\n');
    }
    expected += "<CALL:" + std::to_string(std::to_string(i).size() + 4) + ">K" +
                std::to_string(i) + "ABC <EOR>\n\n";
  }
  EXPECT_GT(sink.Text().size(), 10000u);
  EXPECT_TRUE(body.Finish());
  EXPECT_EQ(sink.Text(), expected);

  FailingSink failing(1);
  AdifBody broken(failing, 100);
  for (int i = 0; i < 20; ++i) {
    broken.AddField("CALL", "K1ABC");
    broken.EndRecord();
  }
  EXPECT_FALSE(broken.Ok());
  EXPECT_LT(broken.HeldText().size(), 100u + 90u) << "dropped, not held";
  EXPECT_FALSE(broken.Finish());
  EXPECT_FALSE(failing.Text().empty());
}

}  // namespace
}  // namespace kestrum
