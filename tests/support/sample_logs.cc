// SPDX-License-Identifier: MIT
#include "tests/support/sample_logs.h"

#include <cstdint>

namespace kestrum::testing {
namespace {

// Modes of a record.
constexpr std::uint8_t kCw = 1, kSsb = 2, kRtty = 3;

TestRecord Qso(const char* call, const char* exchange, std::uint8_t band,
               std::uint8_t mode, std::uint32_t hertz, std::int32_t time,
               std::uint16_t report = 599) {
  TestRecord r;
  r.call = call;
  r.exchange = exchange;
  r.band = band;
  r.mode = mode;
  r.frequencyA = hertz;
  r.time = time;
  r.receivedNumber = report;
  return r;
}

// A Field Day contact: the class is a transmitter count and a letter.
TestRecord FieldDayQso(const char* call, const char* section,
                       std::uint8_t count, char letter, std::uint8_t band,
                       std::uint32_t hertz, std::int32_t time) {
  TestRecord r = Qso(call, section, band, 0, hertz, time, 0);
  r.transmitterCount = count;
  r.classLetter = letter;
  return r;
}

SampleLog CqWorldWide7() {
  SampleLog log{"cqww-7xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 7;
  h.contest = "CQWW";
  h.call = "K1ZZ";
  h.name = "Ann Operator";
  h.modeText = "CW";
  h.categoryText = "SOAB";
  h.powerNumber = 0;
  const std::int32_t t = UtcSeconds(1996, 11, 23, 0, 1, 5);
  log.records = {
      Qso("DL1ABC", "14", 4, 0, 14025000, t),
      Qso("JA1XYZ", "25", 5, 0, 21030500, t + 300, 579),
      Qso("K1ZZ", "05", 4, 0, 14030000, t + 600),  // own call: skipped
      Qso("VE3AAA", "04", 3, 0, 7010000, t + 900),
      Qso("UA9ABC", "017", 2, 0, 3505000, t + 1200),
      Qso("TEST", "14", 4, 0, 14020000, t + 1500),  // no digit: skipped
      Qso("ZS6XX", "38", 6, 0, 28010000, t + 1800, 559),
      Qso("G3ABC", "0", 7, 0, 0, t + 2100),  // band 7: no band
  };
  // A 7.xx log keeps split and main-frequency flags too.
  log.records[1].frequencyB = 21032000;
  log.records[1].flags = 0x01;
  return log;
}

SampleLog Sweepstakes8() {
  SampleLog log{"sweepstakes-8xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 8;
  h.versionText = "ZR 8.20";
  h.contestIndex = 7;
  h.modeIndex = kCw;
  h.call = "W9XYZ";
  h.timeFlag = 0;  // stored times are 7 hours late
  h.categoryNumber = 5;
  const std::int32_t t = UtcSeconds(1999, 11, 7, 4, 10, 0) + 25200;
  auto ss = [&](const char* call, const char* section, std::uint16_t serial,
                std::uint8_t flags, std::uint8_t check, std::int32_t at) {
    TestRecord r = Qso(call, section, 3, 0, 7035000, at, serial);
    r.flags = flags;
    r.check = check;
    return r;
  };
  log.records = {
      ss("K1ABC", "CT", 12, 0x00, 75, t),
      ss("N5DX", "STX", 230, 0x04, 5, t + 60),
      ss("W6ABC", "SCV", 1, 0x40, 88, t + 120),
      ss("AA0A", "MN", 77, 0x44, 0, t + 180),
  };
  log.records.back().band = 2;
  log.records.back().frequencyA = 3550000;
  return log;
}

SampleLog FieldDay8() {
  SampleLog log{"fieldday-8xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 8;
  h.versionText = "ZR 8.50";
  h.contestIndex = 9;
  h.modeIndex = kSsb;
  h.call = "W1AW";
  h.timeFlag = 1;
  const std::int32_t t = UtcSeconds(2001, 6, 23, 18, 0, 0);
  log.records = {
      FieldDayQso("K2ABC", "NLI", 2, 'A', 4, 14250000, t),
      FieldDayQso("VE3XYZ", "ONE", 1, 'D', 3, 7200000, t + 30),
      FieldDayQso("W5SAT", "NTX", 1, 'B', 12, 145900000, t + 60),  // satellite
      FieldDayQso("KH6ABC", "PAC", 3, 'A', 11, 7190000,
                  t + 90),  // band 11 is 40M
      FieldDayQso("K9XYZ", "IL", 5, 0, 13, 146520000,
                  t + 120),  // band 13 is 2M
  };
  return log;
}

SampleLog FieldDay9() {
  SampleLog log{"fieldday-9xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 9;
  h.versionText = "ZR 9.52";
  h.contestIndex = 9;
  h.modeIndex = kCw;
  h.call = "N1FD";
  h.categoryNumber = 5;
  const std::int32_t t = UtcSeconds(2005, 6, 25, 19, 30, 0);
  log.records = {
      FieldDayQso("W1ABC", "CT", 2, 'A', 6, 14040000, t),
      FieldDayQso("DL1XX", "DX", 1, 'A', 6, 14041000, t + 40),
      FieldDayQso("K4SAT", "NFL", 1, 'B', 16, 435300000, t + 80),  // satellite
      FieldDayQso("N0ABC", "MN", 4, 'F', 3, 3550000, t + 120),  // band 3 is 80M
      FieldDayQso("KA1ABC", "EMA", 1, 'E', 17, 146000000,
                  t + 160),  // band 17 is 2M
      FieldDayQso("W2XYZ", "ENY", 2, 'A', 6, 14500000,
                  t + 200),  // off the band
  };
  log.records[0].mode = kSsb;
  log.records[0].frequencyA = 14250000;
  return log;
}

SampleLog CaliforniaQsoParty9() {
  SampleLog log{"cqp-9xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 9;
  h.versionText = "ZR 9.60";
  h.contestIndex = 12;
  h.modeIndex = kSsb;
  h.call = "N6ABC";
  h.state = "CA";
  const std::int32_t t = UtcSeconds(2008, 10, 4, 16, 5, 0);
  auto cqp = [&](const char* call, const char* county, std::uint16_t serial,
                 std::int32_t at) {
    return Qso(call, county, 5, 0, 21300000, at, serial);
  };
  log.records = {
      cqp("W6XYZ", "LAX", 15, t),      cqp("K6ABC", "SF", 102, t + 45),
      cqp("K7ABC", "NV", 33, t + 90),  cqp("VE7ABC", "BC", 4, t + 135),
      cqp("VE8AB", "NT", 2, t + 180),  cqp("VE8CD", "NWT", 3, t + 225),
      cqp("DL1ABC", "DX", 9, t + 270), cqp("KH6XX", "HI", 12, t + 315),
      cqp("W6QQQ", "XX", 50, t + 360),
  };
  return log;
}

SampleLog VhfContest9() {
  SampleLog log{"vhf-9xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 9;
  h.versionText = "ZR 9.85";
  h.contestIndex = 8;
  h.modeIndex = kSsb;
  h.call = "K1TEO";
  const std::int32_t t = UtcSeconds(2010, 6, 12, 18, 0, 0);
  log.records = {
      Qso("W1XX", "FN42", 2, 0, 144200000, t, 59),
      Qso("K2YY", "FN31", 1, kCw, 50125000, t + 120, 579),
      Qso("N3ZZ", "FM29", 4, kRtty, 446000000, t + 240, 59),  // FM
      Qso("W4AAA", "EM85", 6, 0, 1296100000, t + 360, 55),
      Qso("K1LHT", "FN42", 12, kCw, 0, t + 480, 599),  // light: no frequency
  };
  return log;
}

SampleLog NewEnglandQsoParty10() {
  SampleLog log{"neqp-10xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 10;
  h.versionText = "ZR 10.03";
  h.contestIndex = 26;
  h.modeIndex = kCw;
  h.call = "W1NE";
  const std::int32_t t = UtcSeconds(2012, 5, 5, 20, 0, 0);
  auto neqp = [&](const char* call, const char* county, std::uint8_t band,
                  std::uint32_t hertz, std::uint16_t sent, std::int32_t at) {
    TestRecord r = Qso(call, county, band, 0, hertz, at);
    r.sentNumber = sent;
    return r;
  };
  log.records = {
      neqp("K1ME", "FRAM", 3, 7030000, 1, t),
      neqp("N1MA", "FRA", 3, 7031000, 2, t + 60),
      neqp("W7ABC", "WAKNG", 4, 14035000, 3, t + 120),
      neqp("K7MT", "MTLEW", 4, 14036000, 4, t + 180),
      neqp("DL1ABC", "NY", 4, 14037000, 5, t + 240),
      neqp("VE1ABC", "NS", 1, 1810000, 6, t + 300),
      neqp("KA1XYZ", "ZZZ", 2, 3540000, 7, t + 360),
  };
  return log;
}

SampleLog NorthAmericanQsoParty10() {
  SampleLog log{"naqp-10xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 10;
  h.versionText = "ZR 10.05";
  h.contestIndex = 29;
  h.modeIndex = kSsb;
  h.call = "K5NA";
  h.timeFlag = 0;
  const std::int32_t t = UtcSeconds(2015, 1, 17, 18, 2, 30) + 25200;
  auto naqp = [&](const char* call, const char* state, const char* name,
                  std::int32_t at) {
    TestRecord r = Qso(call, state, 4, 0, 14250000, at, 59);
    r.name = name;
    return r;
  };
  log.records = {
      naqp("W1ABC", "CT", "JIM", t),
      naqp("VE3ABC", "ON", "ED", t + 50),
      naqp("N0XYZ", "MN", "TJ", t + 100),
      naqp("VA7XX", "BC", "MCDONALD", t + 150),
      naqp("XE1ABC", "DX", "JUAN", t + 200),
      naqp("K4ABC", "DC", "SUE", t + 250),
  };
  log.records[1].flags = 0x03;
  log.records[1].frequencyB = 14255000;
  return log;
}

SampleLog IslandsOnTheAir10() {
  SampleLog log{"iota-10xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 10;
  h.versionText = "ZR 10.10";
  h.contestIndex = 20;
  h.modeIndex = kSsb;
  h.call = "G4IOT";
  const std::int32_t t = UtcSeconds(2016, 7, 30, 12, 0, 0);
  auto iota = [&](const char* call, const char* reference, std::int16_t serial,
                  std::uint16_t sent, std::int32_t at) {
    TestRecord r = Qso(call, reference, 4, 0, 14260000, at, 59);
    r.check = static_cast<std::uint8_t>(serial & 0xff);
    r.precedence = static_cast<char>((serial >> 8) & 0xff);
    r.sentNumber = sent;
    return r;
  };
  log.records = {
      iota("GM3ABC", "EU005", 101, 1, t),
      iota("VK9XX", "OC003", 12, 2, t + 60),
      iota("W1ABC", "123", 300, 3, t + 120),
      iota("KL7AA", "NA001", 1234, 4, t + 180),
  };
  return log;
}

SampleLog CanadaDay10() {
  SampleLog log{"rac-10xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 10;
  h.versionText = "ZR 10.20";
  h.contestIndex = 19;
  h.modeIndex = kCw;
  h.call = "K1RAC";
  const std::int32_t t = UtcSeconds(2018, 7, 1, 14, 0, 0);
  auto rac = [&](const char* call, const char* exchange, std::uint16_t sent,
                 std::int32_t at) {
    TestRecord r = Qso(call, exchange, 4, 0, 14030000, at);
    r.sentNumber = sent;
    return r;
  };
  log.records = {
      rac("VE3ABC", "ON", 1, t),      rac("VA2XYZ", "QUE", 2, t + 60),
      rac("W1ABC", "15", 3, t + 120), rac("K2ABC", "NY", 4, t + 180),
      rac("VY1AA", "YU", 5, t + 240),
  };
  return log;
}

SampleLog ArrlDx10() {
  SampleLog log{"arrldx-10xx", {}, {}};
  TestHeader& h = log.header;
  h.generation = 10;
  h.versionText = "ZR 10.20";
  h.contestIndex = 3;
  h.modeIndex = kSsb;
  h.call = "DL5DX";
  const std::int32_t t = UtcSeconds(2019, 3, 2, 13, 0, 0);
  log.records = {
      Qso("K1ABC", "KW", 5, 0, 21250000, t, 59),
      Qso("W2XYZ", "100", 5, 0, 21260000, t + 60, 59),
      Qso("N3ABC", "1K", 4, 0, 14200000, t + 120, 59),
      Qso("K4ZZZ", "K", 4, 0, 14210000, t + 180, 59),
  };
  return log;
}

}  // namespace

std::vector<SampleLog> SampleLogs() {
  return {CqWorldWide7(),
          Sweepstakes8(),
          FieldDay8(),
          FieldDay9(),
          CaliforniaQsoParty9(),
          VhfContest9(),
          NewEnglandQsoParty10(),
          NorthAmericanQsoParty10(),
          IslandsOnTheAir10(),
          CanadaDay10(),
          ArrlDx10()};
}

}  // namespace kestrum::testing
