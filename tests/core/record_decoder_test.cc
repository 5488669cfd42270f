// SPDX-License-Identifier: MIT
#include "core/record_decoder.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/log_builder.h"

namespace kestrum {
namespace {

using testing::Bytes;
using testing::EncodeRecord;
using testing::TestRecord;

QsoRecord Decode(int generation, const Bytes& bytes, int qsosWritten = 0) {
  QsoRecord qso;
  EXPECT_TRUE(
      DecodeRecord(bytes, *LayoutOfGeneration(generation), qsosWritten, qso));
  return qso;
}

TestRecord FullRecord() {
  TestRecord r;
  r.call = "DL1ABC";
  r.exchange = "14";
  r.band = 4;
  r.mode = 2;
  r.flags = 0x03;
  r.receivedNumber = 0xfffe;
  r.sentNumber = 321;
  r.transmitterCount = 3;
  r.classLetter = 'A';
  r.frequencyA = 14025000;
  r.frequencyB = 4294967295u;
  r.time = -5;
  r.check = 75;
  r.precedence = 'B';
  r.name = "JIM";
  return r;
}

TEST(RecordDecoderTest, RecordsFollowTheVersionsHundreds) {
  const struct {
    int version;
    std::optional<std::size_t> recordSize;
  } cases[] = {{699, std::nullopt}, {700, 37},           {799, 37},
               {800, 50},           {952, 50},           {999, 50},
               {1000, 64},          {1099, 64},          {1100, std::nullopt},
               {0, std::nullopt},   {-700, std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    const std::optional<LogLayout> layout = LayoutOfVersion(c.version);
    EXPECT_EQ(layout.has_value(), c.recordSize.has_value());
    if (layout) {
      EXPECT_EQ(layout->recordSize, *c.recordSize);
    }
  }
}

TEST(RecordDecoderTest, ShortPieceIsTheEndOfTheRecords) {
  for (const LogLayout& layout : LogLayouts) {
    SCOPED_TRACE(layout.generation);
    Bytes bytes = EncodeRecord(layout.generation, FullRecord());
    ASSERT_EQ(bytes.size(), layout.recordSize);
    bytes.pop_back();
    QsoRecord qso;
    EXPECT_FALSE(DecodeRecord(bytes, layout, 0, qso));
    EXPECT_FALSE(PreviewRecord(bytes, layout).has_value());
  }
}

TEST(RecordDecoderTest, PreviewGivesTheCallAndBandAsDecoded) {
  for (const LogLayout& layout : LogLayouts) {
    SCOPED_TRACE(layout.generation);
    for (const char* call : {"DL1ABC", ""}) {
      TestRecord r = FullRecord();
      r.call = call;
      r.band = 13;
      const Bytes bytes = EncodeRecord(layout.generation, r);
      const std::optional<RecordPreview> preview = PreviewRecord(bytes, layout);
      ASSERT_TRUE(preview.has_value());
      const QsoRecord qso = Decode(layout.generation, bytes);
      EXPECT_EQ(preview->hasCall, !qso.call.empty());
      EXPECT_EQ(preview->band, qso.band);
    }
  }
}

TEST(RecordDecoderTest, ReusedRecordKeepsNothingOfTheLastOne) {
  QsoRecord qso;
  ASSERT_TRUE(DecodeRecord(EncodeRecord(10, FullRecord()),
                           *LayoutOfGeneration(10), 0, qso));
  ASSERT_EQ(qso.name, "JIM");
  TestRecord shorter;
  shorter.call = "K1A";
  ASSERT_TRUE(
      DecodeRecord(EncodeRecord(7, shorter), *LayoutOfGeneration(7), 4, qso));
  QsoRecord fresh;
  ASSERT_TRUE(
      DecodeRecord(EncodeRecord(7, shorter), *LayoutOfGeneration(7), 4, fresh));
  EXPECT_EQ(qso.call, "K1A");
  EXPECT_EQ(qso.name, "");
  EXPECT_EQ(qso.precedence, fresh.precedence);
  EXPECT_EQ(qso.classLetter, fresh.classLetter);
  EXPECT_EQ(qso.transmitterCount, fresh.transmitterCount);
  EXPECT_EQ(qso.byte27, fresh.byte27);
  EXPECT_EQ(qso.sentNumber, 5);
}

TEST(RecordDecoderTest, TenXxRecordIsTakenAsStored) {
  const QsoRecord qso = Decode(10, EncodeRecord(10, FullRecord()), 99);
  EXPECT_EQ(qso.call, "DL1ABC");
  EXPECT_EQ(qso.exchange, "14");
  EXPECT_EQ(qso.band, 4);
  EXPECT_EQ(qso.mode, 2);
  EXPECT_EQ(qso.flags, 0x03);
  EXPECT_EQ(qso.receivedNumber, 0xfffe);
  EXPECT_EQ(qso.sentNumber, 321) << "stored, not generated";
  EXPECT_EQ(qso.transmitterCount, 3);
  EXPECT_EQ(qso.classLetter, 'A');
  EXPECT_EQ(qso.frequencyA, 14025000u);
  EXPECT_EQ(qso.frequencyB, 4294967295u);
  EXPECT_EQ(qso.time, -5);
  EXPECT_EQ(qso.check, 75);
  EXPECT_EQ(qso.precedence, 'B');
  EXPECT_EQ(qso.name, "JIM");
}

TEST(RecordDecoderTest, EightAndNineXxGenerateSentNumberAndHaveNoName) {
  for (int generation : {8, 9}) {
    Bytes bytes = EncodeRecord(generation, FullRecord());
    bytes[30] = std::byte{0x55};  // a stored sent number is ignored
    bytes[31] = std::byte{0x55};
    const QsoRecord qso = Decode(generation, bytes, 41);
    EXPECT_EQ(qso.sentNumber, 42);
    EXPECT_EQ(qso.name, "");
    EXPECT_EQ(qso.classLetter, 'A');
    EXPECT_EQ(qso.precedence, 'B');
    EXPECT_EQ(qso.frequencyB, 4294967295u);
  }
}

TEST(RecordDecoderTest, GeneratedSentNumberWrapsAtSixteenBits) {
  const Bytes bytes = EncodeRecord(8, FullRecord());
  EXPECT_EQ(Decode(8, bytes, 65534).sentNumber, 65535);
  EXPECT_EQ(Decode(8, bytes, 65535).sentNumber, 0);
  EXPECT_EQ(Decode(7, EncodeRecord(7, FullRecord()), 65535).sentNumber, 0);
}

TEST(RecordDecoderTest, SevenXxPacksBandAndModeIntoOneByte) {
  Bytes bytes = EncodeRecord(7, FullRecord());
  bytes[15] = std::byte{0x23};
  EXPECT_EQ(Decode(7, bytes).band, 3);
  EXPECT_EQ(Decode(7, bytes).mode, 2);
  bytes[15] = std::byte{0x05};
  EXPECT_EQ(Decode(7, bytes).band, 5);
  EXPECT_EQ(Decode(7, bytes).mode, 0);
  bytes[15] = std::byte{0xff};
  EXPECT_EQ(Decode(7, bytes).band, 15);
  EXPECT_EQ(Decode(7, bytes).mode, 15);
}

TEST(RecordDecoderTest, SevenXxFieldsAndDefaults) {
  const QsoRecord qso = Decode(7, EncodeRecord(7, FullRecord()), 9);
  EXPECT_EQ(qso.call, "DL1ABC");
  EXPECT_EQ(qso.exchange, "14");
  EXPECT_EQ(qso.flags, 0x03);
  EXPECT_EQ(qso.receivedNumber, 0xfffe);
  EXPECT_EQ(qso.frequencyA, 14025000u);
  EXPECT_EQ(qso.frequencyB, 4294967295u);
  EXPECT_EQ(qso.time, -5);
  EXPECT_EQ(qso.check, 75);
  EXPECT_EQ(qso.sentNumber, 10);
  // The 7.xx record has none of these.
  EXPECT_EQ(qso.name, "");
  EXPECT_EQ(qso.transmitterCount, 0);
  EXPECT_EQ(qso.classLetter, 0);
  EXPECT_EQ(qso.precedence, 0);
}

TEST(RecordDecoderTest, SevenXxExchangeSharesByteWithCheck) {
  TestRecord r = FullRecord();
  r.exchange = "EU005X";  // six characters: byte 35 is the 'X'
  const QsoRecord qso = Decode(7, EncodeRecord(7, r));
  EXPECT_EQ(qso.exchange, "EU005X");
  EXPECT_EQ(qso.check, 'X');
}

TEST(RecordDecoderTest, TextsWithoutTerminatorAreBoundedToTheirField) {
  TestRecord r = FullRecord();
  r.call = "ABCDEFGHIJKLMNOPQRS";  // longer than any call field
  r.exchange = "123456789";
  r.name = "NAMENAMENAMENAMENAME";
  const QsoRecord ten = Decode(10, EncodeRecord(10, r));
  EXPECT_EQ(ten.call, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(ten.exchange, "12345678");
  EXPECT_EQ(ten.name, "NAMENAMENAMENA");
  const QsoRecord eight = Decode(8, EncodeRecord(8, r));
  EXPECT_EQ(eight.call, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(eight.exchange, "12345678");
  const QsoRecord seven = Decode(7, EncodeRecord(7, r));
  EXPECT_EQ(seven.call, "ABCDEFGHIJKLMN");
  EXPECT_EQ(seven.exchange, "1234567");
}

}  // namespace
}  // namespace kestrum
