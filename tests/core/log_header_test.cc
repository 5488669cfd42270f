// SPDX-License-Identifier: MIT
#include "core/log_header.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::Bytes;
using testing::TestHeader;

struct HeaderRead {
  LogHeader header;
  MessageLog log;
  std::size_t position = 0;
};

// Reads the header as a run does: from the log's first 4096 bytes, or all
// of them when it is shorter.
HeaderRead Read(const Bytes& bytes) {
  HeaderRead read;
  const ByteSpan start(bytes.data(), std::min(bytes.size(), kLongestHeader));
  read.position = ReadLogHeader(read.log, "log.bin", start, read.header);
  return read;
}

TestHeader Header(int generation, std::string versionText) {
  TestHeader header;
  header.generation = generation;
  header.versionText = std::move(versionText);
  return header;
}

Bytes Resized(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(LogHeaderTest, RecognisesGenerationAndFirstRecord) {
  struct Case {
    int generation;
    const char* versionText;
    int version;
    std::size_t firstRecord;
  };
  const Case cases[] = {
      {8, "ZR 8.05", 805, 1024},    {8, "ZR 8.5", 850, 1024},
      {9, "ZR 9.52", 952, 4096},    {9, "ZR 9.999", 1000, 4096},
      {10, "ZR 10.03", 1003, 4096}, {9, "xZR 9.47 beta", 947, 4096},
  };
  for (const Case& c : cases) {
    const HeaderRead read =
        Read(EncodeHeader(Header(c.generation, c.versionText)));
    EXPECT_EQ(read.header.version, c.version) << c.versionText;
    EXPECT_EQ(read.position, c.firstRecord) << c.versionText;
    EXPECT_TRUE(read.log.Of(MessageKind::kError).empty());
  }
}

TEST(LogHeaderTest, LowestGenerationMagicWins) {
  // A 4096-byte block whose version text holds both "ZR 9." and "ZR 8.".
  HeaderRead read = Read(EncodeHeader(Header(9, "ZR 9.1 ZR 8.07")));
  EXPECT_EQ(read.header.version, 807);
  EXPECT_EQ(read.position, 1024u);
  read = Read(EncodeHeader(Header(10, "ZR 10.2 ZR 9.3")));
  EXPECT_EQ(read.header.version, 930);
}

TEST(LogHeaderTest, VersionNumberReading) {
  EXPECT_EQ(ParseVersionNumber("9.52"), 952);
  EXPECT_EQ(ParseVersionNumber("10.03"), 1003);
  EXPECT_EQ(ParseVersionNumber("8.5"), 850);
  EXPECT_EQ(ParseVersionNumber("9.999"), 1000);
  EXPECT_EQ(ParseVersionNumber("10.995"), 1100);
  EXPECT_EQ(ParseVersionNumber("9.5e3"), 950) << "no exponent";
  EXPECT_EQ(ParseVersionNumber("8."), 800);
  EXPECT_GT(ParseVersionNumber("899999999999999999999"), 100000)
      << "a huge number saturates instead of overflowing";
}

TEST(LogHeaderTest, ShortFilesAreRefusedOrReadAsSevenXx) {
  const Bytes eight = EncodeHeader(Header(8, "ZR 8.05"));
  EXPECT_EQ(Read(eight).header.version, 805) << "exactly 1024 bytes";

  const Bytes nine = EncodeHeader(Header(9, "ZR 9.52"));
  for (std::size_t size : {std::size_t{1024}, std::size_t{4095}}) {
    const HeaderRead read = Read(Resized(nine, size));
    EXPECT_EQ(read.header.version, 0) << size;
    ASSERT_EQ(read.log.Of(MessageKind::kError).size(), 1u);
    EXPECT_EQ(read.log.Of(MessageKind::kError)[0],
              "ZR file log.bin does not have a valid header.");
    EXPECT_TRUE(read.log.Of(MessageKind::kInformation).empty());
  }

  // Below 1024 bytes a magic does not count: the file is a 7.xx log.
  const HeaderRead short8 = Read(Resized(eight, 1023));
  EXPECT_EQ(short8.header.version, 700);
  EXPECT_EQ(short8.position, 398u);
  EXPECT_EQ(Read(Resized(eight, 398)).header.version, 700);
  EXPECT_EQ(Read(Resized(eight, 397)).header.version, 0);
  EXPECT_EQ(Read(Bytes{}).header.version, 0);
}

TEST(LogHeaderTest, FillsStationFieldsOfLongHeader) {
  TestHeader h = Header(10, "ZR 10.03");
  h.contest = "My Contest";
  h.call = " *k1ABC";
  h.contestIndex = 12;
  h.modeIndex = 2;
  h.timeFlag = 7;
  const HeaderRead read = Read(EncodeHeader(h));
  const LogHeader& header = read.header;
  EXPECT_EQ(header.contest, "My Contest");
  EXPECT_EQ(header.operatorCall, "1ABC") << "trimmed to the first A-Z or 0-9";
  EXPECT_EQ(header.name, "Hiram");
  EXPECT_EQ(header.street, "225 Main St");
  EXPECT_EQ(header.town, "Newington");
  EXPECT_EQ(header.state, "CT");
  EXPECT_EQ(header.zip, "06111");
  EXPECT_EQ(header.zone, "5");
  EXPECT_EQ(header.club, "Radio Club");
  EXPECT_EQ(header.contestIndex, 12);
  EXPECT_EQ(header.modeIndex, 2);
  EXPECT_EQ(header.timeFlag, 7);
  EXPECT_EQ(header.powerIndex, 99);
  ASSERT_EQ(read.log.Of(MessageKind::kInformation).size(), 1u);
  EXPECT_EQ(read.log.Of(MessageKind::kInformation)[0],
            "Contest is My Contest, Operator is 1ABC, ZR 10.03");
}

TEST(LogHeaderTest, EmptyContestTextTakesContestCode) {
  const struct {
    int index;
    const char* contest;
  } cases[] = {{0, "CQWW"},  {27, "NEQP_N"}, {28, "NA-SPRINT"},
               {29, "NAQP"}, {30, ""},       {255, ""}};
  for (const auto& c : cases) {
    TestHeader h = Header(8, "ZR 8.05");
    h.contestIndex = static_cast<std::uint8_t>(c.index);
    EXPECT_EQ(Read(EncodeHeader(h)).header.contest, c.contest) << c.index;
  }
}

TEST(LogHeaderTest, CategoryShiftEndsAfterVersion952) {
  const struct {
    const char* version;
    std::uint8_t number;
    const char* category;
  } cases[] = {
      {"ZR 9.52", 5, "QRP"}, {"ZR 9.53", 5, "RV"},  {"ZR 9.52", 0, "SO"},
      {"ZR 9.53", 0, "SO"},  {"ZR 9.52", 11, "SC"}, {"ZR 9.52", 12, ""},
      {"ZR 9.53", 19, "SC"}, {"ZR 9.53", 20, ""},   {"ZR 9.53", 255, ""},
  };
  for (const auto& c : cases) {
    TestHeader h = Header(9, c.version);
    h.categoryNumber = c.number;
    EXPECT_EQ(Read(EncodeHeader(h)).header.category, c.category)
        << c.version << " byte " << int{c.number};
  }
}

TEST(LogHeaderTest, CallWithoutLetterOrDigitGivesEmptyOperator) {
  TestHeader h = Header(8, "ZR 8.05");
  h.call = "--- ";
  EXPECT_EQ(Read(EncodeHeader(h)).header.operatorCall, "");
  h.call = "";
  EXPECT_EQ(Read(EncodeHeader(h)).header.operatorCall, "");
}

TEST(LogHeaderTest, TextWithoutTerminatorStopsAtEndOfHeaderBlock) {
  Bytes bytes = EncodeHeader(Header(8, "ZR 8.05"));
  for (std::size_t i = 638; i < 1024; ++i) bytes[i] = std::byte{'C'};
  bytes[858] = std::byte{'C'};  // the time flag lies inside the club text
  const HeaderRead read = Read(bytes);
  EXPECT_EQ(read.header.club, std::string(1024 - 638, 'C'));
}

TEST(LogHeaderTest, SevenXxHeaderSearchesCodesAndModes) {
  const struct {
    const char* contestText;
    int contestIndex;
    const char* contest;
  } contests[] = {
      {"CQWW", 0, "CQWW"},  {"VHFS", 8, "VHF"},   {"WAEE", 10, "WAE"},
      {"AAA", 14, "AA"},    {"FQPNF", 21, "FQP"}, {"xSSx", 7, "SS"},
      {"IOTA", 20, "IOTA"}, {"RACW", 19, "RAC"},  {"NEQP", 23, ""},
      {"", 23, ""},
  };
  for (const auto& c : contests) {
    TestHeader h = Header(7, "");
    h.contest = c.contestText;
    const LogHeader header = Read(EncodeHeader(h)).header;
    EXPECT_EQ(header.contestIndex, c.contestIndex) << c.contestText;
    EXPECT_EQ(header.contest, c.contest) << c.contestText;
  }
  const struct {
    const char* modeText;
    int modeIndex;
  } modes[] = {{"CW", 1},   {"SSB", 2}, {"RTY", 3}, {"FM", 4},
               {"CWFM", 1}, {"ssb", 5}, {"", 5}};
  for (const auto& m : modes) {
    TestHeader h = Header(7, "");
    h.modeText = m.modeText;
    EXPECT_EQ(Read(EncodeHeader(h)).header.modeIndex, m.modeIndex)
        << m.modeText;
  }
}

TEST(LogHeaderTest, SevenXxHeaderKeepsStoredTextsInItsLine) {
  TestHeader h = Header(7, "");
  h.contest = "VHFS";
  h.call = "  K1ABC";
  h.modeText = "FM";
  h.categoryText = "SOAB";
  h.powerNumber = 2;
  const HeaderRead read = Read(EncodeHeader(h));
  EXPECT_EQ(read.header.version, 700);
  EXPECT_EQ(read.header.timeFlag, 0);
  EXPECT_EQ(read.header.operatorCall, "K1ABC");
  EXPECT_EQ(read.header.category, "SOAB");
  EXPECT_EQ(read.header.powerIndex, 2);
  EXPECT_EQ(read.position, 398u);
  ASSERT_EQ(read.log.Of(MessageKind::kInformation).size(), 1u);
  EXPECT_EQ(read.log.Of(MessageKind::kInformation)[0],
            "Contest is VHFS, Operator is   K1ABC, Mode is FM, ZR 7.xx");
}

}  // namespace
}  // namespace kestrum
