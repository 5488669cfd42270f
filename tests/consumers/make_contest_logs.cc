// SPDX-License-Identifier: MIT
// Writes one realistic ZR log of every contest number (0-29) into a folder,
// plus older logs of the contests whose band numbering changed between
// logger versions, for checking our ADIF with other programs' readers:
//   make_contest_logs FOLDER
// FOLDER is made if need be; the .bin files already in it are removed first,
// so that it holds exactly these logs.
// Each log uses the bands of its contest's band table on frequencies inside
// them, the modes and exchanges that contest has (zones, serials, sections,
// counties, grids, island references, names, powers) and a date in the
// contest's own weekend. Prints the path of every file written.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/log_builder.h"

namespace {

using kestrum::testing::BuildLog;
using kestrum::testing::TestHeader;
using kestrum::testing::TestRecord;
using kestrum::testing::UtcSeconds;

// Record modes.
constexpr std::uint8_t kCw = 1, kSsb = 2, kRtty = 3, kFm = 4;
// Record flags: a split contact whose main frequency is frequencyA.
constexpr std::uint8_t kSplit = 0x01;

class ContestLog {
 public:
  ContestLog(std::string name, int contestIndex, std::string contestText,
             std::uint8_t modeIndex, std::string call, std::int32_t start)
      : name_(std::move(name)), clock_(start) {
    header_.contest = std::move(contestText);
    header_.contestIndex = static_cast<std::uint8_t>(contestIndex);
    header_.modeIndex = modeIndex;
    header_.call = std::move(call);
  }

  TestHeader& header() { return header_; }
  const std::string& name() const { return name_; }

  // Adds a contact one to three minutes after the last one, with the next
  // sent serial number; returns it for the fields only some contests use.
  TestRecord& Add(const char* call, const char* exchange, std::uint8_t band,
                  std::uint8_t mode, std::uint32_t hertz,
                  std::uint16_t received) {
    TestRecord record;
    record.call = call;
    record.exchange = exchange;
    record.band = band;
    record.mode = mode;
    record.frequencyA = hertz;
    record.receivedNumber = received;
    record.sentNumber = static_cast<std::uint16_t>(records_.size() + 1);
    record.time = clock_;
    clock_ += 60 + 41 * static_cast<std::int32_t>(records_.size() % 4);
    records_.push_back(record);
    return records_.back();
  }

  std::vector<std::byte> Bytes() const { return BuildLog(header_, records_); }

 private:
  std::string name_;
  TestHeader header_;
  std::vector<TestRecord> records_;
  std::int32_t clock_;
};

// Gives a 10.xx record the operator's name it was logged with.
TestRecord& Named(TestRecord& record, const char* name) {
  record.name = name;
  return record;
}

ContestLog CqWorldWide() {
  ContestLog log("00-cqww", 0, "CQWW", kCw, "K1ZZ",
                 UtcSeconds(2019, 11, 23, 0, 0, 12));
  log.header().versionText = "ZR 10.14";
  log.Add("DL1ABC", "14", 4, kCw, 14025300, 599);
  log.Add("JA1XYZ", "25", 5, kCw, 21030500, 579);
  log.Add("VE3AAA", "04", 3, kCw, 7010000, 599);
  log.Add("UA9ABC", "17", 2, kCw, 3505000, 599);
  log.Add("ZS6XX", "38", 6, kCw, 28010000, 599);
  log.Add("PY2XX", "11", 5, kCw, 21015000, 599);
  log.Add("VK2AAA", "30", 4, kCw, 14012000, 559);
  log.Add("4X4AA", "20", 1, kCw, 1826000, 599);
  log.Add("G3ABC", "14", 3, kCw, 7003500, 599);
  TestRecord& split = log.Add("FT5XX", "39", 3, kCw, 7005000, 599);
  split.flags = kSplit;
  split.frequencyB = 7011500;
  log.Add("KH6XX", "31", 4, kCw, 14020000, 599);
  return log;
}

ContestLog Cq160() {
  ContestLog log("01-c160", 1, "C160", kCw, "N1XX",
                 UtcSeconds(2020, 1, 24, 22, 5, 0));
  log.header().versionText = "ZR 10.15";
  log.header().state = "MA";
  log.Add("K1ABC", "CT", 1, kCw, 1822000, 599);
  log.Add("W3XX", "PA", 1, kCw, 1824500, 599);
  log.Add("VE3ABC", "ON", 1, kCw, 1826000, 599);
  log.Add("N4AA", "FL", 1, kCw, 1818000, 579);
  log.Add("DL1ABC", "14", 1, kCw, 1831000, 559);
  log.Add("W0AAA", "MN", 1, kCw, 1822700, 599);
  log.Add("VE1AB", "NS", 1, kCw, 1827000, 599);
  log.Add("VO1AA", "NL", 1, kCw, 1829500, 599);
  log.Add("K5ZZ", "TX", 1, kCw, 1823100, 599);
  log.Add("KL7RA", "AK", 1, kCw, 1825000, 559);
  log.Add("JA1XYZ", "25", 1, kCw, 1810500, 529);
  return log;
}

ContestLog Wpx() {
  ContestLog log("02-wpx", 2, "WPX", kSsb, "K3ZZ",
                 UtcSeconds(2021, 3, 27, 0, 10, 0));
  log.header().versionText = "ZR 10.16";
  log.Add("CN8ABC", "12", 4, kSsb, 14205000, 59);
  log.Add("EA8XX", "145", 5, kSsb, 21250000, 59);
  log.Add("9A2AA", "1032", 5, kSsb, 21310500, 59);
  log.Add("OH2XX", "88", 4, kSsb, 14260000, 57);
  log.Add("P40A", "2210", 6, kSsb, 28450000, 59);
  log.Add("W1ABC/4", "23", 3, kSsb, 7180000, 59);
  log.Add("LZ1ABC", "301", 2, kSsb, 3790000, 59);
  log.Add("ZL1ABC", "0045", 4, kSsb, 14195000, 55);
  log.Add("YB0AAA", "7", 5, kSsb, 21220000, 59);
  log.Add("VE3XYZ", "512", 1, kSsb, 1845000, 59);
  return log;
}

// The ARRL DX contest as the stations of the USA and Canada send their power.
ContestLog ArrlDxPower() {
  ContestLog log("03-arrl", 3, "ARRL", kCw, "DL5DX",
                 UtcSeconds(2018, 2, 17, 0, 3, 0));
  log.header().versionText = "ZR 10.13";
  log.Add("K1ABC", "KW", 4, kCw, 14025000, 599);
  log.Add("W2XYZ", "100", 4, kCw, 14031500, 599);
  log.Add("N3ABC", "1K", 5, kCw, 21022000, 599);
  log.Add("VE3XX", "500", 3, kCw, 7018000, 599);
  log.Add("K4ZZZ", "K", 2, kCw, 3528000, 579);
  log.Add("W5ABC", "1.5K", 6, kCw, 28019000, 599);
  log.Add("N6XX", "5", 4, kCw, 14044000, 559);
  log.Add("VA7ABC", "1KW", 1, kCw, 1827000, 599);
  log.Add("W9XX", "400", 5, kCw, 21033000, 599);
  return log;
}

// The ARRL DX contest kept by a station abroad: states and provinces.
ContestLog ArrlDxStates() {
  ContestLog log("04-ardx", 4, "ARDX", kSsb, "G4ABC",
                 UtcSeconds(2019, 3, 2, 12, 0, 0));
  log.header().versionText = "ZR 10.16";
  log.Add("K1ABC", "CT", 4, kSsb, 14210000, 59);
  log.Add("VE3XX", "ON", 4, kSsb, 14225000, 59);
  log.Add("W6XX", "CA", 5, kSsb, 21300000, 57);
  log.Add("VE7ABC", "BC", 5, kSsb, 21345000, 59);
  log.Add("N4AA", "FL", 6, kSsb, 28460000, 59);
  log.Add("W0AAA", "MN", 3, kSsb, 7195000, 59);
  log.Add("VA2XX", "QC", 2, kSsb, 3775000, 55);
  log.Add("K5ZZ", "TX", 4, kSsb, 14280000, 59);
  log.Add("W7XX", "AZ", 5, kSsb, 21380000, 59);
  return log;
}

ContestLog Arrl10() {
  ContestLog log("05-ar10", 5, "AR10", kCw, "K1XX",
                 UtcSeconds(2016, 12, 10, 0, 2, 0));
  log.header().versionText = "ZR 10.11";
  log.Add("W4AAA", "GA", 6, kSsb, 28450000, 59);
  log.Add("VE7ABC", "BC", 6, kCw, 28025000, 599);
  log.Add("LU1ABC", "12", 6, kCw, 28032000, 599);
  log.Add("KH6XX", "HI", 6, kSsb, 28500000, 57);
  log.Add("N5ZZ", "TX", 6, kSsb, 28395000, 59);
  log.Add("JA1XYZ", "45", 6, kCw, 28018500, 579);
  log.Add("VA3XX", "ON", 6, kCw, 28041000, 599);
  log.Add("PY2XX", "101", 6, kSsb, 28620000, 59);
  log.Add("K0AAA", "CO", 6, kSsb, 28475000, 59);
  log.Add("KL7XX", "AK", 6, kCw, 28011000, 599);
  return log;
}

ContestLog Arrl160() {
  ContestLog log("06-a160", 6, "A160", kCw, "W1XX",
                 UtcSeconds(2017, 12, 1, 22, 30, 0));
  log.header().versionText = "ZR 10.12";
  const char* const sections[] = {"CT",  "EMA", "STX", "ENY", "ONE",
                                  "SCV", "WPA", "NFL", "GTA", "MN"};
  const char* const calls[] = {"K1ABC", "W1ZZ",  "N5XX", "W2ABC", "VE3AAA",
                               "K6XX",  "W3ABC", "K4XX", "VA3XX", "W0ZZ"};
  std::uint32_t hertz = 1810500;
  for (int i = 0; i < 10; ++i) {
    log.Add(calls[i], sections[i], 1, kCw, hertz, 599);
    hertz += 2300;
  }
  log.Add("DL1ABC", "DX", 1, kCw, 1831500, 559);
  return log;
}

ContestLog Sweepstakes() {
  ContestLog log("07-ss", 7, "SS", kCw, "W9XYZ",
                 UtcSeconds(2020, 11, 7, 21, 5, 0));
  log.header().versionText = "ZR 10.15";
  struct Exchange {
    const char* call;
    std::uint16_t serial;
    char precedence;
    std::uint8_t check;
    const char* section;
    std::uint8_t band;
    std::uint32_t hertz;
  };
  const Exchange exchanges[] = {
      {"K1ABC", 12, 'A', 75, "CT", 4, 14035000},
      {"N5DX", 230, 'B', 5, "STX", 4, 14041000},
      {"W6ABC", 1, 'Q', 88, "SCV", 5, 21040000},
      {"AA0A", 77, 'U', 0, "MN", 3, 7035000},
      {"VE3ABC", 145, 'A', 62, "ONE", 3, 7042500},
      {"K7XX", 310, 'M', 99, "WWA", 2, 3545000},
      {"N4AAA", 56, 'S', 14, "SFL", 2, 3551000},
      {"W1ZZ", 402, 'B', 71, "EMA", 1, 1822000},
      {"KL7AA", 19, 'A', 80, "AK", 6, 28041000},
      {"K6ABC", 98, 'Q', 61, "ORG", 4, 14052000},
  };
  for (const Exchange& e : exchanges) {
    TestRecord& record =
        log.Add(e.call, e.section, e.band, kCw, e.hertz, e.serial);
    record.precedence = e.precedence;
    record.check = e.check;
  }
  return log;
}

// The ARRL VHF contest in June: every band of table I, from 6 m to light.
// The microwave bands above 4.29 GHz have no frequency: it does not fit in
// the record's 32 bits of hertz.
ContestLog ArrlVhf() {
  ContestLog log("08-vhf", 8, "VHF", kSsb, "K1TEO",
                 UtcSeconds(2019, 6, 8, 18, 0, 0));
  log.header().versionText = "ZR 10.15";
  log.Add("W1XX", "FN42", 1, kSsb, 50125000, 59);
  log.Add("K2YY", "FN31", 1, kCw, 50095000, 579);
  log.Add("N3ZZ", "FM29", 2, kSsb, 144200000, 59);
  log.Add("W4AAA", "EM85", 2, kFm, 146550000, 59);
  log.Add("KA1ABC", "FN32", 3, kSsb, 222100000, 57);
  log.Add("N1ABC", "FN43", 4, kRtty, 446000000, 59);  // FM in VHF contests
  log.Add("W2XX", "FN20", 4, kSsb, 432100000, 55);
  log.Add("K1RA", "FN13", 5, kSsb, 903100000, 55);
  log.Add("W3XX", "FM19", 6, kCw, 1296100000, 559);
  log.Add("N2XX", "FN21", 7, kSsb, 2304100000, 55);
  log.Add("W1GHZ", "FN41", 8, kSsb, 3456100000, 55);
  log.Add("K1UHF", "FN42", 9, kCw, 0, 559);
  log.Add("W1MW", "FN31", 10, kCw, 0, 559);
  log.Add("N1MW", "FN32", 11, kCw, 0, 519);
  log.Add("K1LHT", "FN42", 12, kCw, 0, 599);
  return log;
}

struct FieldDayContact {
  const char* call;
  std::uint8_t transmitters;
  char classLetter;
  const char* section;
  std::uint8_t band;
  std::uint8_t mode;
  std::uint32_t hertz;
};

void AddFieldDay(ContestLog& log, std::span<const FieldDayContact> contacts) {
  for (const FieldDayContact& c : contacts) {
    TestRecord& record = log.Add(c.call, c.section, c.band, c.mode, c.hertz, 0);
    record.transmitterCount = c.transmitters;
    record.classLetter = c.classLetter;
  }
}

// Field Day from 9.85 on (table D), with a satellite contact the ADIF
// leaves out.
ContestLog FieldDay() {
  ContestLog log("09-fd", 9, "FD", kSsb, "W1AW",
                 UtcSeconds(2022, 6, 25, 18, 0, 0));
  log.header().versionText = "ZR 10.17";
  const FieldDayContact contacts[] = {
      {"K2ABC", 2, 'A', "NLI", 4, kSsb, 14250000},
      {"VE3XYZ", 1, 'D', "ONE", 3, kCw, 7040000},
      {"N0ABC", 4, 'F', "MN", 2, kCw, 3550000},
      {"KH6ABC", 3, 'A', "PAC", 5, kSsb, 21300000},
      {"W6XX", 1, 'E', "SCV", 6, kSsb, 28400000},
      {"K1ABC", 1, 'B', "CT", 7, kSsb, 50125000},
      {"N1XX", 2, 'A', "EMA", 8, kFm, 146520000},
      {"W2XX", 1, 'D', "ENY", 9, kFm, 223500000},
      {"K3XX", 3, 'A', "EPA", 10, kFm, 446000000},
      {"W1UHF", 1, 'A', "WMA", 11, kSsb, 1296100000},
      {"KB1XX", 1, 'A', "NH", 12, kSsb, 2304100000},
      {"W1GHZ", 1, 'B', "VT", 13, kCw, 3456100000},
      {"K4XX", 2, 'A', "NFL", 1, kSsb, 1843000},
      {"W5XX", 5, 'A', "STX", 4, kRtty, 14080000},
      {"DL1XX", 1, 'A', "DX", 4, kCw, 14030000},
      {"K4SAT", 1, 'B', "NFL", 16, kFm, 435300000},  // satellite
  };
  AddFieldDay(log, contacts);
  return log;
}

// Field Day before 9.00 (table B).
ContestLog FieldDay8() {
  ContestLog log("09-fd-8xx", 9, "FD", kSsb, "W1AW",
                 UtcSeconds(2001, 6, 23, 18, 0, 0));
  log.header().generation = 8;
  log.header().versionText = "ZR 8.50";
  const FieldDayContact contacts[] = {
      {"K2ABC", 2, 'A', "NLI", 4, kSsb, 14250000},
      {"VE3XYZ", 1, 'D', "ON", 3, kCw, 7035000},
      {"N0ABC", 4, 'F', "MN", 2, kCw, 3545000},
      {"KH6ABC", 3, 'A', "PAC", 6, kSsb, 21350000},
      {"W6XX", 1, 'E', "SCV", 8, kSsb, 28450000},
      {"K1ABC", 1, 'B', "CT", 9, kSsb, 50150000},
      {"N1XX", 2, 'A', "EMA", 10, kFm, 146550000},
      {"KH7XX", 1, 'A', "PAC", 11, kSsb, 7190000},  // band 11 is 40 m
      {"K9XYZ", 5, 'A', "IL", 13, kFm, 146520000},  // band 13 is 2 m
      {"W4XX", 2, 'A', "NFL", 1, kCw, 1815000},
      {"W5SAT", 1, 'B', "NTX", 12, kFm, 145900000},  // satellite
  };
  AddFieldDay(log, contacts);
  return log;
}

// Field Day from 9.00 to 9.84 (table C): separate CW and phone numbers for
// 80, 40, 15 and 10 m.
ContestLog FieldDay9() {
  ContestLog log("09-fd-9xx", 9, "FD", kCw, "N1FD",
                 UtcSeconds(2005, 6, 25, 19, 30, 0));
  log.header().generation = 9;
  log.header().versionText = "ZR 9.52";
  const FieldDayContact contacts[] = {
      {"W1ABC", 2, 'A', "CT", 6, kCw, 14040000},
      {"DL1XX", 1, 'A', "DX", 6, kCw, 14041000},
      {"N0ABC", 4, 'F', "MN", 2, kCw, 3550000},
      {"K0XX", 1, 'D', "CO", 3, kSsb, 3860000},
      {"KA1ABC", 1, 'E', "EMA", 4, kCw, 7041000},
      {"W8XX", 3, 'A', "OH", 5, kSsb, 7240000},
      {"K7ABC", 2, 'B', "WWA", 7, kCw, 21045000},
      {"N6XX", 6, 'A', "SDG", 8, kSsb, 21330000},
      {"W5ABC", 1, 'C', "NTX", 9, kCw, 28045000},
      {"K5XX", 2, 'A', "STX", 10, kSsb, 28410000},
      {"W2ABC", 1, 'A', "NNJ", 11, kSsb, 50135000},
      {"K2XX", 1, 'D', "ENY", 12, kFm, 146550000},
      {"W3XX", 2, 'A', "MDC", 13, kFm, 223500000},
      {"N3XX", 1, 'B', "WPA", 14, kFm, 446000000},
      {"W1XX", 1, 'A', "WMA", 15, kSsb, 1296150000},
      {"K4SAT", 1, 'B', "NFL", 16, kFm, 435300000},   // satellite
      {"KA1XYZ", 1, 'E', "EMA", 17, kFm, 146000000},  // band 17 is 2 m
  };
  AddFieldDay(log, contacts);
  return log;
}

ContestLog Wae() {
  ContestLog log("10-wae", 10, "WAE", kCw, "N2XX",
                 UtcSeconds(2018, 8, 11, 0, 1, 0));
  log.header().versionText = "ZR 10.13";
  log.Add("DL1ABC", "23", 4, kCw, 14025000, 599);
  log.Add("G3ABC", "145", 4, kCw, 14031000, 599);
  log.Add("OH2XX", "12", 5, kCw, 21025000, 579);
  log.Add("OK1ABC", "301", 3, kCw, 7012000, 599);
  log.Add("S50A", "1201", 3, kCw, 7021500, 599);
  log.Add("EA3XX", "88", 2, kCw, 3518000, 559);
  log.Add("I2ABC", "44", 6, kCw, 28022000, 599);
  log.Add("SP9XX", "620", 5, kCw, 21040000, 599);
  return log;
}

ContestLog Dxpedition() {
  ContestLog log("11-dxpn", 11, "DXPN", kCw, "TX7XX",
                 UtcSeconds(2016, 10, 15, 6, 0, 0));
  log.header().versionText = "ZR 10.11";
  log.Add("JA1XYZ", "", 1, kCw, 1826500, 599);
  log.Add("W6XX", "", 2, kCw, 3503000, 599);
  log.Add("DL1ABC", "", 3, kSsb, 7090000, 59);
  log.Add("K1ABC", "", 4, kCw, 10106000, 579);
  log.Add("VK2XX", "", 5, kRtty, 14085000, 599);
  log.Add("UA0ABC", "", 6, kSsb, 18140000, 59);
  log.Add("BY1AA", "", 7, kCw, 21020000, 599);
  log.Add("ZL1ABC", "", 8, kCw, 24895000, 599);
  log.Add("PY2XX", "", 9, kSsb, 28495000, 59);
  log.Add("FK8XX", "", 10, kCw, 50110000, 559);
  log.Add("KH6XX", "", 11, kSsb, 144200000, 55);
  log.Add("ZL2XX", "", 12, kCw, 432065000, 519);
  log.Add("VK4SAT", "", 13, kFm, 145900000, 59);  // satellite
  TestRecord& split = log.Add("W1ZZ", "", 4, kCw, 14023000, 599);
  split.flags = kSplit;
  split.frequencyB = 14025500;
  return log;
}

ContestLog CaliforniaQsoParty() {
  ContestLog log("12-cqp", 12, "CQP", kSsb, "K1XX",
                 UtcSeconds(2019, 10, 5, 16, 0, 0));
  log.header().versionText = "ZR 10.15";
  log.Add("W6XYZ", "LAX", 5, kSsb, 21300000, 15);
  log.Add("K6ABC", "CLA", 4, kSsb, 14250000, 102);
  log.Add("N6XX", "DIE", 4, kCw, 14040000, 230);
  log.Add("W6ABC", "FRAN", 3, kCw, 7038000, 44);
  log.Add("K6XX", "KERN", 6, kSsb, 28420000, 7);
  log.Add("AA6XX", "MARN", 2, kCw, 3545000, 301);
  log.Add("N6ABC", "MONT", 3, kSsb, 7220000, 88);
  log.Add("K7ABC", "NV", 4, kSsb, 14260000, 33);
  log.Add("VE7ABC", "BC", 5, kCw, 21040000, 4);
  log.Add("DL1ABC", "DX", 4, kCw, 14045000, 9);
  return log;
}

// IARU HF and WRTC: ITU zones, headquarters and officials.
void AddIaruContacts(ContestLog& log) {
  log.Add("DL1ABC", "28", 4, kCw, 14025000, 599);
  log.Add("JA1XYZ", "45", 5, kSsb, 21250000, 59);
  log.Add("G3ABC", "27", 3, kCw, 7012000, 599);
  log.Add("DA0HQ", "DARC", 4, kSsb, 14230000, 59);
  log.Add("W1AW", "ARRL", 5, kCw, 21035000, 599);
  log.Add("VE3XX", "04", 2, kCw, 3525000, 579);
  log.Add("OE1ABC", "R1", 4, kSsb, 14275000, 59);
  log.Add("PY2XX", "15", 6, kSsb, 28480000, 59);
  log.Add("VK2XX", "55", 4, kCw, 14011000, 559);
  log.Add("EF4HQ", "URE", 1, kCw, 1830000, 599);
}

ContestLog IaruHf() {
  ContestLog log("13-iaru", 13, "IARU", kCw, "W3XX",
                 UtcSeconds(2017, 7, 8, 12, 0, 0));
  log.header().versionText = "ZR 10.12";
  AddIaruContacts(log);
  return log;
}

// All Asian: the operator's age.
ContestLog AllAsian() {
  ContestLog log("14-aa", 14, "AA", kCw, "DL2XX",
                 UtcSeconds(2018, 6, 16, 0, 5, 0));
  log.header().versionText = "ZR 10.13";
  log.Add("JA1XYZ", "45", 4, kCw, 14025000, 599);
  log.Add("BV2AA", "38", 4, kCw, 14032000, 599);
  log.Add("HL1XX", "52", 5, kCw, 21025000, 579);
  log.Add("9M2XX", "29", 5, kCw, 21031000, 599);
  log.Add("VU2XX", "61", 3, kCw, 7012000, 599);
  log.Add("JA7XX", "00", 3, kCw, 7018000, 599);
  log.Add("UN7XX", "40", 2, kCw, 3512000, 559);
  log.Add("4X4XX", "67", 6, kCw, 28018000, 599);
  return log;
}

ContestLog VhfSweepstakes() {
  ContestLog log("15-vhfs", 15, "VHFS", kSsb, "W1VHF",
                 UtcSeconds(2020, 1, 18, 19, 0, 0));
  log.header().versionText = "ZR 10.15";
  log.Add("K1TEO", "FN31", 1, kSsb, 50130000, 59);
  log.Add("W2XX", "FN20", 2, kSsb, 144210000, 57);
  log.Add("N2ABC", "FN30", 2, kFm, 146520000, 59);
  log.Add("K3XX", "FM29", 3, kSsb, 222100000, 55);
  log.Add("W1ABC", "FN42", 4, kCw, 432100000, 559);
  log.Add("N1XX", "FN43", 6, kSsb, 1296100000, 55);
  log.Add("K2UHF", "FN21", 5, kSsb, 903100000, 53);
  log.Add("W1LHT", "FN41", 12, kCw, 0, 599);
  return log;
}

// WAE kept by a European station: serials from the rest of the world.
ContestLog WaeEurope() {
  ContestLog log("16-waee", 16, "WAEE", kSsb, "DK9XX",
                 UtcSeconds(2019, 9, 14, 0, 5, 0));
  log.header().versionText = "ZR 10.15";
  log.Add("K1ABC", "12", 4, kSsb, 14230000, 59);
  log.Add("JA1XYZ", "301", 5, kSsb, 21270000, 57);
  log.Add("VK2XX", "44", 4, kSsb, 14195000, 55);
  log.Add("W6XX", "620", 6, kSsb, 28480000, 59);
  log.Add("PY2XX", "88", 3, kSsb, 7090000, 59);
  log.Add("VE3XX", "1045", 2, kSsb, 3790000, 59);
  return log;
}

// All Asian kept by an Asian station.
ContestLog AllAsianAsia() {
  ContestLog log("17-aaa", 17, "AAA", kSsb, "JA1XYZ",
                 UtcSeconds(2017, 9, 2, 0, 10, 0));
  log.header().versionText = "ZR 10.12";
  log.Add("W6XX", "55", 4, kSsb, 14250000, 59);
  log.Add("DL1ABC", "44", 4, kSsb, 14265000, 59);
  log.Add("BV2AA", "30", 5, kSsb, 21300000, 57);
  log.Add("HL2XX", "61", 5, kSsb, 21320000, 59);
  log.Add("VK3XX", "72", 3, kSsb, 7085000, 55);
  log.Add("JA3XX", "48", 6, kSsb, 28550000, 59);
  return log;
}

ContestLog Wrtc() {
  ContestLog log("18-wrtc", 18, "WRTC", kCw, "DR1A",
                 UtcSeconds(2018, 7, 14, 12, 0, 0));
  log.header().versionText = "ZR 10.13";
  AddIaruContacts(log);
  return log;
}

// RAC Canada Day and Winter: provinces from Canada, serials from elsewhere.
void AddRacContacts(ContestLog& log) {
  log.Add("VE2ABC", "QC", 4, kCw, 14035000, 599);
  log.Add("VA7XX", "BC", 4, kSsb, 14240000, 59);
  log.Add("VE9XX", "NB", 3, kCw, 7030000, 599);
  log.Add("VY1AA", "YT", 5, kSsb, 21300000, 57);
  log.Add("VE8XX", "NT", 3, kSsb, 7160000, 59);
  log.Add("VO1XX", "NL", 2, kCw, 3535000, 579);
  log.Add("K1ABC", "12", 4, kCw, 14041000, 599);
  log.Add("DL1ABC", "7", 5, kCw, 21030000, 559);
  log.Add("VE1XX", "NS", 2, kSsb, 3770000, 59);
  log.Add("VA6XX", "AB", 6, kSsb, 28450000, 59);
  log.Add("VE4XX", "MAN", 1, kCw, 1815000, 599);
  log.Add("VY2XX", "PE", 3, kCw, 7025000, 599);
  log.Add("VY0XX", "NU", 4, kSsb, 14275000, 55);
  log.Add("VA3XX", "ONT", 2, kSsb, 3755000, 59);
}

ContestLog CanadaDay() {
  ContestLog log("19-rac", 19, "RAC", kCw, "VE3XYZ",
                 UtcSeconds(2018, 7, 1, 0, 5, 0));
  log.header().versionText = "ZR 10.13";
  log.header().state = "ON";
  AddRacContacts(log);
  return log;
}

ContestLog IslandsOnTheAir() {
  ContestLog log("20-iota", 20, "IOTA", kSsb, "M0XXX",
                 UtcSeconds(2019, 7, 27, 12, 0, 0));
  log.header().versionText = "ZR 10.15";
  struct Island {
    const char* call;
    const char* reference;
    std::int16_t serial;
    std::uint8_t band;
    std::uint8_t mode;
    std::uint32_t hertz;
  };
  const Island islands[] = {
      {"GM3ABC", "EU005", 101, 4, kSsb, 14260000},
      {"EI2XX", "EU115", 340, 4, kSsb, 14275000},
      {"EA8XX", "AF004", 1204, 5, kSsb, 21300000},
      {"VK9XX", "OC004", 12, 4, kCw, 14030000},
      {"JA1XYZ", "AS007", 77, 5, kCw, 21025000},
      {"DL1ABC", "", 5, 3, kCw, 7020000},
      {"KL7AA", "NA001", 33, 6, kSsb, 28470000},
      {"PY0FXX", "SA003", 210, 2, kCw, 3525000},
      {"W1ABC", "", 48, 3, kSsb, 7170000},
  };
  for (const Island& island : islands) {
    TestRecord& record =
        log.Add(island.call, island.reference, island.band, island.mode,
                island.hertz, island.mode == kCw ? 599 : 59);
    // The received serial number lives in bytes 46-47 of IOTA records.
    record.check = static_cast<std::uint8_t>(island.serial & 0xff);
    record.precedence = static_cast<char>((island.serial >> 8) & 0xff);
  }
  return log;
}

// The Florida QSO party kept in Florida: counties from Florida, states and
// provinces from elsewhere.
ContestLog FloridaQsoParty() {
  ContestLog log("21-fqp", 21, "FQP", kSsb, "N4XX",
                 UtcSeconds(2016, 4, 30, 16, 0, 0));
  log.header().versionText = "ZR 10.11";
  log.header().state = "FL";
  log.Add("K4ABC", "DUV", 2, kSsb, 14260000, 59);
  log.Add("W4XX", "ORA", 1, kSsb, 7230000, 59);
  log.Add("K1ABC", "MA", 2, kCw, 14040000, 599);
  log.Add("VE3XX", "ON", 3, kCw, 21040000, 599);
  log.Add("W9XX", "IL", 4, kSsb, 28450000, 57);
  log.Add("N4ABC", "STJ", 1, kCw, 7040000, 599);
  log.Add("DL1ABC", "DX", 2, kSsb, 14290000, 55);
  return log;
}

// The Florida QSO party kept outside Florida: Florida counties only.
ContestLog FloridaQsoPartyOutside() {
  ContestLog log("22-fqpnf", 22, "FQPNF", kCw, "W1XX",
                 UtcSeconds(2017, 4, 29, 17, 0, 0));
  log.header().versionText = "ZR 10.12";
  log.Add("K4ABC", "BRO", 1, kCw, 7040000, 599);
  log.Add("W4XX", "DAD", 2, kSsb, 14250000, 59);
  log.Add("N4ABC", "HIL", 3, kCw, 21040000, 599);
  log.Add("K4XX", "PIN", 4, kSsb, 28450000, 59);
  log.Add("W4ABC", "LEO", 1, kSsb, 7240000, 57);
  log.Add("AA4XX", "ESC", 2, kCw, 14045000, 579);
  log.Add("N4XX", "STJ", 2, kCw, 14052000, 599);
  log.Add("KW4XX", "MON", 3, kSsb, 21350000, 59);
  return log;
}

ContestLog CanadaWinter() {
  ContestLog log("23-racw", 23, "RACW", kCw, "K1XX",
                 UtcSeconds(2017, 12, 16, 0, 5, 0));
  log.header().versionText = "ZR 10.12";
  AddRacContacts(log);
  return log;
}

ContestLog OceaniaDx() {
  ContestLog log("24-odx", 24, "ODX", kSsb, "W6XX",
                 UtcSeconds(2018, 10, 6, 8, 0, 0));
  log.header().versionText = "ZR 10.13";
  log.Add("VK2ABC", "12", 4, kSsb, 14220000, 59);
  log.Add("ZL1XX", "145", 4, kSsb, 14245000, 59);
  log.Add("YB1XX", "33", 5, kSsb, 21260000, 57);
  log.Add("KH6XX", "8", 3, kSsb, 7180000, 59);
  log.Add("DU1XX", "77", 6, kSsb, 28500000, 55);
  log.Add("FK8XX", "3", 5, kSsb, 21310000, 59);
  log.Add("P29XX", "21", 2, kSsb, 3795000, 53);
  return log;
}

// PACC: Dutch provinces, which the ADIF does not keep.
ContestLog Pacc() {
  ContestLog log("25-pacc", 25, "PACC", kCw, "K1XX",
                 UtcSeconds(2019, 2, 9, 12, 0, 0));
  log.header().versionText = "ZR 10.15";
  log.Add("PA3ABC", "ZH", 4, kCw, 14030000, 599);
  log.Add("PD0XX", "NH", 4, kSsb, 14250000, 59);
  log.Add("PA1XX", "UT", 5, kCw, 21030000, 599);
  log.Add("PE1ABC", "GR", 3, kCw, 7015000, 579);
  log.Add("PA5XX", "NB", 2, kSsb, 3780000, 59);
  log.Add("PB2XX", "LB", 6, kSsb, 28460000, 59);
  return log;
}

// The New England QSO party kept outside New England.
ContestLog NewEngland(const char* name, const char* version, std::uint8_t first,
                      std::int32_t start) {
  ContestLog log(name, 26, "NEQP", kCw, "K5XX", start);
  log.header().versionText = version;
  // The record band numbers of 80 m (`first`) and the bands above it.
  const std::uint8_t band80 = first;
  const std::uint8_t band40 = first + 1;
  const std::uint8_t band20 = first + 2;
  const std::uint8_t band15 = first + 3;
  const std::uint8_t band10 = first + 4;
  log.Add("K1ME", "CUM", band40, kCw, 7030000, 599);
  log.Add("N1MA", "MIDM", band40, kCw, 7031500, 599);
  log.Add("W1CT", "HARC", band20, kCw, 14035000, 599);
  log.Add("K1RI", "NEWR", band20, kSsb, 14260000, 59);
  log.Add("W1VT", "ADDV", band80, kCw, 3540000, 579);
  log.Add("N1NH", "BELN", band80, kSsb, 3850000, 59);
  log.Add("K1MA", "BARM", band15, kSsb, 21300000, 59);
  log.Add("W1ABC", "FAIC", band10, kCw, 28040000, 599);
  log.Add("KA1ME", "KENM", band20, kCw, 14041000, 599);
  return log;
}

// The New England QSO party kept in New England: counties from New England
// and the western states, states and provinces from elsewhere.
ContestLog NewEnglandInside() {
  ContestLog log("27-neqp-n", 27, "NEQP_N", kSsb, "W1NE",
                 UtcSeconds(2022, 5, 7, 21, 0, 0));
  log.header().versionText = "ZR 10.17";
  log.header().state = "MA";
  log.Add("K1ME", "FRAM", 3, kSsb, 7230000, 59);
  log.Add("N1MA", "MIDM", 3, kCw, 7035000, 599);
  log.Add("W7ABC", "WAKNG", 4, kCw, 14035000, 599);
  log.Add("K7AZ", "AZMCP", 4, kSsb, 14270000, 57);
  log.Add("N7ID", "IDADA", 5, kCw, 21040000, 579);
  log.Add("W2XX", "NY", 2, kSsb, 3830000, 59);
  log.Add("K8XX", "OH", 4, kSsb, 14290000, 59);
  log.Add("VE3XX", "ON", 5, kCw, 21030000, 599);
  log.Add("DL1ABC", "DX", 6, kSsb, 28440000, 59);
  return log;
}

// North American Sprint: serial, name and state; record bands count from 0.
ContestLog NorthAmericanSprint() {
  ContestLog log("28-sprint", 28, "", kCw, "N4XX",
                 UtcSeconds(2019, 9, 8, 0, 0, 30));
  log.header().versionText = "ZR 10.15";
  Named(log.Add("K1ABC", "CT", 2, kCw, 7040000, 12), "BOB");
  Named(log.Add("VE3XX", "ON", 2, kCw, 7045000, 31), "DAVE");
  Named(log.Add("W6XX", "CA", 3, kCw, 14041000, 7), "TJ");
  Named(log.Add("N0XX", "MN", 3, kCw, 14052000, 58), "JIM");
  Named(log.Add("K5XX", "TX", 1, kCw, 3545000, 102), "DEE");
  Named(log.Add("W7XX", "OR", 1, kCw, 3551000, 77), "ANN");
  Named(log.Add("VA7XX", "BC", 3, kCw, 14038000, 40), "MCDONALD");
  return log;
}

// North American QSO party: name and state, province or nothing.
ContestLog NorthAmericanQsoParty() {
  ContestLog log("29-naqp", 29, "", kSsb, "K5NA",
                 UtcSeconds(2020, 1, 18, 18, 2, 30));
  log.header().versionText = "ZR 10.15";
  Named(log.Add("W1ABC", "CT", 4, kSsb, 14250000, 59), "JIM");
  Named(log.Add("VE3ABC", "ON", 4, kSsb, 14265000, 59), "ED");
  Named(log.Add("N0XYZ", "MN", 5, kSsb, 21300000, 59), "TJ");
  Named(log.Add("VA7XX", "BC", 3, kSsb, 7200000, 59), "MCDONALD");
  Named(log.Add("XE1ABC", "", 6, kSsb, 28400000, 59), "JUAN");
  Named(log.Add("K4ABC", "GA", 2, kSsb, 3850000, 59), "SUE");
  Named(log.Add("W6XX", "CA", 1, kSsb, 1850000, 59), "AL");
  return log;
}

std::vector<ContestLog> ContestLogs() {
  return {
      CqWorldWide(),
      Cq160(),
      Wpx(),
      ArrlDxPower(),
      ArrlDxStates(),
      Arrl10(),
      Arrl160(),
      Sweepstakes(),
      ArrlVhf(),
      FieldDay(),
      FieldDay8(),
      FieldDay9(),
      Wae(),
      Dxpedition(),
      CaliforniaQsoParty(),
      IaruHf(),
      AllAsian(),
      VhfSweepstakes(),
      WaeEurope(),
      AllAsianAsia(),
      Wrtc(),
      CanadaDay(),
      IslandsOnTheAir(),
      FloridaQsoParty(),
      FloridaQsoPartyOutside(),
      CanadaWinter(),
      OceaniaDx(),
      Pacc(),
      NewEngland("26-neqp", "ZR 10.15", 1, UtcSeconds(2021, 5, 1, 20, 0, 0)),
      NewEngland("26-neqp-10.03", "ZR 10.03", 2,  // table A
                 UtcSeconds(2012, 5, 5, 20, 0, 0)),
      NewEnglandInside(),
      NorthAmericanSprint(),
      NorthAmericanQsoParty()};
}

// Makes `folder` if need be and removes the .bin files in it; false, with a
// message, on failure.
bool RemoveOldLogs(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(folder, error);
  std::vector<fs::path> oldLogs;
  if (!error) {
    for (fs::directory_iterator entry(folder, error), end;
         !error && entry != end; entry.increment(error)) {
      if (entry->path().extension() == ".bin") oldLogs.push_back(entry->path());
    }
  }
  for (const fs::path& path : oldLogs) {
    if (!error) fs::remove(path, error);
  }
  if (error) {
    std::fprintf(stderr, "make_contest_logs: cannot prepare %s: %s\n",
                 folder.c_str(), error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_contest_logs FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  if (!RemoveOldLogs(folder)) return 1;
  for (const ContestLog& log : ContestLogs()) {
    const std::string path = folder + "/" + log.name() + ".bin";
    if (!kestrum::testing::WriteFile(path, log.Bytes())) {
      std::fprintf(stderr, "make_contest_logs: cannot write %s\n",
                   path.c_str());
      return 1;
    }
    std::printf("%s\n", path.c_str());
  }
  return 0;
}
