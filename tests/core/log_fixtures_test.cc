// SPDX-License-Identifier: MIT
// Log headers and contact records of every generation written out byte by
// byte from the published layout tables, each field a value of its own, and
// decoded field by field. They share nothing with tests/support/log_builder,
// whose offsets mirror the decoder's: an offset wrong in both is caught here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/log_header.h"
#include "core/log_layout.h"
#include "core/message_log.h"
#include "core/record_decoder.h"

namespace kestrum {
namespace {

using Bytes = std::vector<std::byte>;

// Bytes from hex pairs separated by blanks: "4b 31 00".
Bytes FromHex(std::string_view hex) {
  Bytes bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); ++i) {
    if (hex[i] == ' ') continue;
    bytes.push_back(static_cast<std::byte>(
        std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    ++i;
  }
  return bytes;
}

// Bytes at an offset of a fixture that is zero elsewhere.
struct Piece {
  std::size_t offset;
  const char* hex;
};

Bytes Fixture(std::size_t size, const std::vector<Piece>& pieces) {
  Bytes bytes(size);
  for (const Piece& piece : pieces) {
    const Bytes part = FromHex(piece.hex);
    EXPECT_LE(piece.offset + part.size(), size) << piece.hex;
    std::copy(part.begin(), part.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(piece.offset));
  }
  return bytes;
}

struct HeaderFixture {
  const char* label;
  std::size_t size;
  std::vector<Piece> pieces;
  std::size_t firstRecord;
  LogHeader expected;
  std::string informationLine;
};

LogHeader Expected(int version, const char* contest, const char* call,
                   const char* zone, const char* name, const char* street,
                   const char* town, const char* state, const char* zip,
                   const char* club, const char* category, int power,
                   int contestIndex, int modeIndex, int timeFlag) {
  LogHeader header;
  header.version = version;
  header.contest = contest;
  header.operatorCall = call;
  header.zone = zone;
  header.name = name;
  header.street = street;
  header.town = town;
  header.state = state;
  header.zip = zip;
  header.club = club;
  header.category = category;
  header.powerIndex = static_cast<std::uint8_t>(power);
  header.contestIndex = static_cast<std::uint8_t>(contestIndex);
  header.modeIndex = static_cast<std::uint8_t>(modeIndex);
  header.timeFlag = static_cast<std::uint8_t>(timeFlag);
  return header;
}

TEST(LogFixturesTest, HeaderOfEveryGenerationFieldByField) {
  const HeaderFixture fixtures[] = {
      {"10.xx",
       4096,
       {
           {0, "43 51 57 57 00"},                      // contest "CQWW"
           {32, "5a 52 20 31 30 2e 30 33 00"},         // "ZR 10.03"
           {48, "4b 31 41 42 43 00"},                  // call "K1ABC"
           {80, "48 69 72 61 6d 00"},                  // name "Hiram"
           {112, "32 32 35 20 4d 61 69 6e 20 53 74"},  // "225 Main St"
           {176, "4e 65 77 69 6e 67 74 6f 6e"},        // town "Newington"
           {208, "43 54"},                             // state "CT"
           {256, "02"},                                // contest number
           {257, "01"},                                // mode number: CW
           {258, "03"},                                // category: entry 3
           {486, "30 36 31 31 31"},                    // zip "06111"
           {502, "35"},                                // zone "5"
           {638, "52 61 64 69 6f 20 43 6c 75 62"},     // club "Radio Club"
           {858, "01"},                                // time flag
       },
       4096,
       Expected(1003, "CQWW", "K1ABC", "5", "Hiram", "225 Main St", "Newington",
                "CT", "06111", "Radio Club", "M2", 99, 2, 1, 1),
       "Contest is CQWW, Operator is K1ABC, ZR 10.03"},
      {"9.xx",
       4096,
       {
           {32, "5a 52 20 39 2e 35 32 00"},         // "ZR 9.52"
           {48, "20 2a 57 38 58 59 5a 00"},         // call " *W8XYZ"
           {80, "41 6e 6e"},                        // name "Ann"
           {112, "45 6c 6d 20 52 6f 61 64"},        // street "Elm Road"
           {176, "44 61 79 74 6f 6e"},              // town "Dayton"
           {208, "4f 48"},                          // state "OH"
           {256, "09"},                             // contest number: FD
           {257, "02"},                             // mode number: SSB
           {258, "05"},                             // category: entry 5 + 8
           {486, "34 35 34 30 32"},                 // zip "45402"
           {502, "34"},                             // zone "4"
           {638, "44 61 79 74 6f 6e 20 41 52 41"},  // "Dayton ARA"
           {858, "00"},                             // time flag
       },
       4096,
       Expected(952, "FD", "W8XYZ", "4", "Ann", "Elm Road", "Dayton", "OH",
                "45402", "Dayton ARA", "QRP", 99, 9, 2, 0),
       "Contest is FD, Operator is W8XYZ, ZR 9.52"},
      {"8.xx",
       1024,
       {
           {0, "57 50 58 00"},                         // contest "WPX"
           {32, "5a 52 20 38 2e 30 35 00"},            // "ZR 8.05"
           {48, "56 45 39 58 58 00"},                  // call "VE9XX"
           {80, "4c 75 63"},                           // name "Luc"
           {112, "32 20 52 75 65 20 48 61 75 74 65"},  // "2 Rue Haute"
           {176, "4d 6f 6e 63 74 6f 6e"},              // town "Moncton"
           {208, "4e 42"},                             // state "NB"
           {256, "13"},                                // contest number 19: RAC
           {257, "04"},                                // mode number: FM
           {258, "01"},                                // category: entry 1 + 8
           {486, "45 31 43"},                          // zip "E1C"
           {502, "33"},                                // zone "3"
           {638, "4e 42 20 43 6c 75 62"},              // club "NB Club"
           {858, "07"},                                // time flag
       },
       1024,
       Expected(805, "WPX", "VE9XX", "3", "Luc", "2 Rue Haute", "Moncton", "NB",
                "E1C", "NB Club", "SU", 99, 19, 4, 7),
       "Contest is WPX, Operator is VE9XX, ZR 8.05"},
      {"7.xx",
       398,
       {
           {11, "02"},                             // power: QRP
           {20, "4b 37 58 59 5a 00"},              // call "K7XYZ"
           {34, "53 61 6d"},                       // name "Sam"
           {64, "31 20 50 69 6e 65 20 41 76 65"},  // street "1 Pine Ave"
           {104, "53 61 6c 65 6d"},                // town "Salem"
           {131, "4f 52"},                         // state "OR"
           {162, "46 44 00"},                      // contest text "FD"
           {167, "53 53 42 00"},                   // mode text "SSB"
           {171, "4d 53"},                         // category "MS"
           {284, "39 37 33 30 31"},                // zip "97301"
           {295, "36"},                            // zone "6"
           {322, "53 61 6c 65 6d 20 41 52 43"},    // club "Salem ARC"
       },
       398,
       Expected(700, "FD", "K7XYZ", "6", "Sam", "1 Pine Ave", "Salem", "OR",
                "97301", "Salem ARC", "MS", 2, 9, 2, 0),
       "Contest is FD, Operator is K7XYZ, Mode is SSB, ZR 7.xx"},
  };
  for (const HeaderFixture& f : fixtures) {
    SCOPED_TRACE(f.label);
    const Bytes bytes = Fixture(f.size, f.pieces);
    MessageLog log;
    LogHeader header;
    EXPECT_EQ(ReadLogHeader(log, "fixture.bin", bytes, header), f.firstRecord);
    const LogHeader& e = f.expected;
    EXPECT_EQ(header.version, e.version);
    EXPECT_EQ(header.contest, e.contest);
    EXPECT_EQ(header.operatorCall, e.operatorCall);
    EXPECT_EQ(header.zone, e.zone);
    EXPECT_EQ(header.name, e.name);
    EXPECT_EQ(header.street, e.street);
    EXPECT_EQ(header.town, e.town);
    EXPECT_EQ(header.state, e.state);
    EXPECT_EQ(header.zip, e.zip);
    EXPECT_EQ(header.club, e.club);
    EXPECT_EQ(header.category, e.category);
    EXPECT_EQ(header.powerIndex, e.powerIndex);
    EXPECT_EQ(header.contestIndex, e.contestIndex);
    EXPECT_EQ(header.modeIndex, e.modeIndex);
    EXPECT_EQ(header.timeFlag, e.timeFlag);
    EXPECT_THAT(log.Of(MessageKind::kInformation),
                ::testing::ElementsAre(f.informationLine));
    EXPECT_TRUE(log.Of(MessageKind::kError).empty());
  }
}

struct RecordFixture {
  const char* label;
  int generation;
  std::vector<Piece> pieces;
  QsoRecord expected;
};

QsoRecord Contact(const char* call, const char* exchange, int band, int mode,
                  int flags, int byte27, int received, int sent, int count,
                  char letter, std::uint32_t a, std::uint32_t b,
                  std::int32_t time, int check, char precedence, int byte48,
                  int byte49, const char* name) {
  QsoRecord qso;
  qso.call = call;
  qso.exchange = exchange;
  qso.band = static_cast<std::uint8_t>(band);
  qso.mode = static_cast<std::uint8_t>(mode);
  qso.flags = static_cast<std::uint8_t>(flags);
  qso.byte27 = static_cast<std::uint8_t>(byte27);
  qso.receivedNumber = static_cast<std::uint16_t>(received);
  qso.sentNumber = static_cast<std::uint16_t>(sent);
  qso.transmitterCount = static_cast<std::uint8_t>(count);
  qso.classLetter = letter;
  qso.frequencyA = a;
  qso.frequencyB = b;
  qso.time = time;
  qso.check = static_cast<std::uint8_t>(check);
  qso.precedence = precedence;
  qso.byte48 = static_cast<std::uint8_t>(byte48);
  qso.byte49 = static_cast<std::uint8_t>(byte49);
  qso.name = name;
  return qso;
}

TEST(LogFixturesTest, RecordOfEveryGenerationFieldByField) {
  // Decoded as the 42nd contact: generations 7 to 9 number it 42.
  constexpr int kWrittenBefore = 41;
  const RecordFixture fixtures[] = {
      {"10.xx",
       10,
       {
           {0, "4b 31 41 42 43 00"},  // call "K1ABC"
           {16, "4d 41 00"},          // exchange "MA"
           {24, "05"},                // band number
           {25, "02"},                // mode
           {26, "03"},                // flags
           {27, "1b"},                // not used
           {28, "57 02"},             // received number 599
           {30, "d2 04"},             // sent number 1234
           {32, "03"},                // transmitter count
           {33, "41"},                // class letter 'A'
           {34, "28 01 d6 00"},       // frequency A 14025000
           {38, "b0 14 d6 00"},       // frequency B 14030000
           {42, "00 3b e0 4d"},       // time 1306540800
           {46, "4b"},                // check 75
           {47, "42"},                // precedence 'B'
           {48, "30"},                // not used
           {49, "31"},                // not used
           {50, "4a 49 4d 00"},       // name "JIM"
       },
       Contact("K1ABC", "MA", 5, 2, 3, 0x1b, 599, 1234, 3, 'A', 14025000,
               14030000, 1306540800, 75, 'B', 0x30, 0x31, "JIM")},
      {"9.xx",
       9,
       {
           {0, "57 38 58 59 5a 00"},  // call "W8XYZ"
           {16, "4f 48 49 4f 00"},    // exchange "OHIO"
           {24, "06"},                // band number
           {25, "01"},                // mode
           {26, "44"},                // flags
           {27, "2c"},                // not used
           {28, "58 02"},             // received number 600
           {30, "d2 04"},             // not read: the number is generated
           {32, "02"},                // transmitter count
           {33, "42"},                // class letter 'B'
           {34, "5c 33 6b 00"},       // frequency A 7025500
           {38, "f0 44 6b 00"},       // frequency B 7030000
           {42, "01 3b e0 4d"},       // time 1306540801
           {46, "4c"},                // check 76
           {47, "51"},                // precedence 'Q'
           {48, "32"},                // not used
           {49, "33"},                // not read
       },
       Contact("W8XYZ", "OHIO", 6, 1, 0x44, 0x2c, 600, 42, 2, 'B', 7025500,
               7030000, 1306540801, 76, 'Q', 0x32, 0, "")},
      {"8.xx",
       8,
       {
           {0, "56 45 39 41 42 43 00"},  // call "VE9ABC"
           {16, "4e 42 00"},             // exchange "NB"
           {24, "07"},                   // band number
           {25, "04"},                   // mode
           {26, "01"},                   // flags
           {27, "3d"},                   // not used
           {28, "59 02"},                // received number 601
           {30, "ff ff"},                // not read
           {32, "01"},                   // transmitter count
           {33, "43"},                   // class letter 'C'
           {34, "88 c9 35 00"},          // frequency A 3525000
           {38, "e8 d0 40 01"},          // frequency B 21025000
           {42, "02 3b e0 4d"},          // time 1306540802
           {46, "4d"},                   // check 77
           {47, "55"},                   // precedence 'U'
           {48, "34"},                   // not used
           {49, "35"},                   // not read
       },
       Contact("VE9ABC", "NB", 7, 4, 1, 0x3d, 601, 42, 1, 'C', 3525000,
               21025000, 1306540802, 77, 'U', 0x34, 0, "")},
      {"7.xx",
       7,
       {
           {0, "5a 02"},               // received number 602
           {2, "b0 14 d6 00"},         // frequency A 14030000
           {6, "28 01 d6 00"},         // frequency B 14025000
           {10, "03 3b e0 4d"},        // time 1306540803
           {14, "02"},                 // flags
           {15, "24"},                 // band 4 (low), mode 2 (high)
           {16, "4b 37 41 42 43 00"},  // call "K7ABC"
           {30, "4f 52 45 00"},        // exchange "ORE"
           {35, "4e"},                 // check 78
       },
       Contact("K7ABC", "ORE", 4, 2, 2, 0, 602, 42, 0, 0, 14030000, 14025000,
               1306540803, 78, 0, 0, 0, "")},
  };
  for (const RecordFixture& f : fixtures) {
    SCOPED_TRACE(f.label);
    const LogLayout layout = *LayoutOfGeneration(f.generation);
    const Bytes bytes = Fixture(layout.recordSize, f.pieces);
    QsoRecord qso;
    ASSERT_TRUE(DecodeRecord(bytes, layout, kWrittenBefore, qso));
    const QsoRecord& e = f.expected;
    EXPECT_EQ(qso.call, e.call);
    EXPECT_EQ(qso.exchange, e.exchange);
    EXPECT_EQ(qso.band, e.band);
    EXPECT_EQ(qso.mode, e.mode);
    EXPECT_EQ(qso.flags, e.flags);
    EXPECT_EQ(qso.byte27, e.byte27);
    EXPECT_EQ(qso.receivedNumber, e.receivedNumber);
    EXPECT_EQ(qso.sentNumber, e.sentNumber);
    EXPECT_EQ(qso.transmitterCount, e.transmitterCount);
    EXPECT_EQ(qso.classLetter, e.classLetter);
    EXPECT_EQ(qso.frequencyA, e.frequencyA);
    EXPECT_EQ(qso.frequencyB, e.frequencyB);
    EXPECT_EQ(qso.time, e.time);
    EXPECT_EQ(qso.check, e.check);
    EXPECT_EQ(qso.precedence, e.precedence);
    EXPECT_EQ(qso.byte48, e.byte48);
    EXPECT_EQ(qso.byte49, e.byte49);
    EXPECT_EQ(qso.name, e.name);
  }
}

TEST(LogFixturesTest, LayoutTableMatchesThePublishedSizes) {
  // Generation, header length, first record, record length.
  const std::size_t published[][4] = {{7, 398, 398, 37},
                                      {8, 1024, 1024, 50},
                                      {9, 4096, 4096, 50},
                                      {10, 4096, 4096, 64}};
  ASSERT_EQ(LogLayouts.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(static_cast<std::size_t>(LogLayouts[i].generation),
              published[i][0]);
    EXPECT_EQ(LogLayouts[i].headerSize, published[i][1]);
    EXPECT_EQ(LogLayouts[i].firstRecord, published[i][2]);
    EXPECT_EQ(LogLayouts[i].recordSize, published[i][3]);
  }
  EXPECT_EQ(kLongestHeader, 4096u);
}

}  // namespace
}  // namespace kestrum
