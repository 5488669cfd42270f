// SPDX-License-Identifier: MIT
// Writes the seed corpus of the conversion fuzz target into the folder named
// on the command line: the sample logs under three sets of options, and for
// every generation and every contest number 0 to 31 a small log whose
// records reach the rules of that contest. Each file starts with the two
// option bytes (fuzz/fuzz_options.h).
//
// Usage: kestrum_fuzz_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_options.h"
#include "refdata/name_table.h"
#include "tests/support/log_builder.h"
#include "tests/support/sample_logs.h"

namespace {

using kestrum::ConversionOptions;
using kestrum::testing::Bytes;
using kestrum::testing::TestHeader;
using kestrum::testing::TestRecord;

bool WriteSeed(const std::string& path, const ConversionOptions& options,
               const Bytes& log) {
  const auto prefix = kestrum::fuzz::OptionBytes(options);
  Bytes seed;
  for (const std::uint8_t byte : prefix) seed.push_back(std::byte{byte});
  seed.insert(seed.end(), log.begin(), log.end());
  return kestrum::testing::WriteFile(path, seed);
}

ConversionOptions AllOptions() {
  ConversionOptions options;
  options.sixMeters = options.arrlSs = options.vexoOption = 1;
  options.operatorOption = options.wpxOption = 1;
  options.withSeconds = 0;
  options.contestIdText = kestrum::kGeneratedContestId;
  return options;
}

ConversionOptions Adif3Options() {
  ConversionOptions options;
  options.adif3 = options.vexoOption = 1;
  options.contestIdText = kestrum::kGeneratedContestId;
  return options;
}

// Exchanges of the kinds the contests receive: zones, states, provinces,
// sections, power, age, grid squares, IOTA references, counties, serials.
const char* const kExchanges[] = {
    "05",   "CT",  "ON",   "SCV", "KW", "1.5K", "44", "FN31", "EU005",
    "SDIE", "DAD", "MIDD", "NT",  "DX", "0",    "HQ", "2A",   "12ABCDE"};
const char* const kCalls[] = {"DL1ABC", "W1XYZ", "VE3ABC", "K6ABC/7",
                              "JA1ZZ",  "N5DX",  "VY1AA",  "KL7XX"};

std::vector<TestRecord> ContestRecords(int contestIndex) {
  std::vector<TestRecord> records;
  const std::int32_t start =
      kestrum::testing::UtcSeconds(2011, 6 + contestIndex % 4, 11, 18, 0, 0);
  for (int i = 0; i < 10; ++i) {
    TestRecord r;
    r.call = kCalls[(i + contestIndex) % std::size(kCalls)];
    r.exchange = kExchanges[(i * 3 + contestIndex) % std::size(kExchanges)];
    r.band = static_cast<std::uint8_t>((i + contestIndex) % 17);
    r.mode = static_cast<std::uint8_t>(i % 5);
    r.flags = static_cast<std::uint8_t>(i % 4 == 3 ? 0x44 : i % 4);
    r.receivedNumber = static_cast<std::uint16_t>(i % 2 ? 599 : 10 + i);
    r.sentNumber = static_cast<std::uint16_t>(i + 1);
    r.transmitterCount = static_cast<std::uint8_t>(1 + i % 3);
    r.classLetter = "ABCDEF"[i % 6];
    r.frequencyA = 14000000u + 1000u * static_cast<std::uint32_t>(i);
    r.frequencyB = i % 3 == 0 ? 7000000u : 14005000u;
    r.time = start + 60 * i;
    r.check = static_cast<std::uint8_t>(60 + i);
    r.precedence = "QABMSU"[i % 6];
    r.name = i % 2 ? "JOHN" : "ED";
    records.push_back(r);
  }
  records[7].call = "";      // passed over
  records[8].call = "TEST";  // no digit: skipped
  records[9].call = "W1AW";  // the station's own call: skipped
  return records;
}

TestHeader ContestHeader(int generation, int contestIndex) {
  TestHeader header;
  header.generation = generation;
  header.call = "W1AW";
  header.timeFlag = static_cast<std::uint8_t>(contestIndex % 2);
  header.modeIndex = static_cast<std::uint8_t>(1 + contestIndex % 4);
  header.categoryNumber = static_cast<std::uint8_t>(contestIndex % 12);
  header.contestIndex = static_cast<std::uint8_t>(contestIndex);
  switch (generation) {
    case 7:
      header.contest = std::string(kestrum::ContestCode(contestIndex));
      if (header.contest.empty()) header.contest = "NONE";
      header.modeText = kestrum::HeaderModeName(1 + contestIndex % 4);
      header.powerNumber = static_cast<std::uint8_t>(contestIndex % 3);
      break;
    case 8:
      header.versionText = "ZR 8.20";
      break;
    case 9:
      header.versionText = contestIndex % 2 ? "ZR 9.85" : "ZR 9.41";
      break;
    default:
      header.versionText = "ZR 10.03";
      break;
  }
  return header;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestrum_fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  int written = 0;
  bool ok = true;
  for (const auto& sample : kestrum::testing::SampleLogs()) {
    const Bytes log = BuildLog(sample.header, sample.records);
    ok &= WriteSeed(folder + "/sample-" + sample.name, {}, log);
    ok &= WriteSeed(folder + "/sample-" + sample.name + ".all", AllOptions(),
                    log);
    ok &= WriteSeed(folder + "/sample-" + sample.name + ".adif3",
                    Adif3Options(), log);
    written += 3;
  }
  for (const int generation : {7, 8, 9, 10}) {
    // A 7.xx header names its contest by code; 23 stands for "none found".
    const int lastContest = generation == 7 ? 23 : 31;
    for (int contest = 0; contest <= lastContest; ++contest) {
      const Bytes log =
          BuildLog(ContestHeader(generation, contest), ContestRecords(contest));
      const ConversionOptions options = contest % 3 == 0 ? AllOptions()
                                        : contest % 3 == 1
                                            ? Adif3Options()
                                            : ConversionOptions{};
      ok &= WriteSeed(folder + "/built-" + std::to_string(generation) + "-" +
                          std::to_string(contest),
                      options, log);
      ++written;
    }
  }
  if (!ok) {
    std::fprintf(stderr, "kestrum_fuzz_seeds: could not write into %s\n",
                 folder.c_str());
    return 1;
  }
  std::printf("%d seeds written to %s\n", written, folder.c_str());
  return 0;
}
