// SPDX-License-Identifier: MIT
// Damaged and hostile logs, built here from the samples: cut at every length,
// one byte changed at every offset of a header and of a record, records of
// all ones and all zeros, texts without their terminating zero, and numbers
// at the ends of their ranges. Each one must convert with a normal ending and
// a well-formed ADIF file in which every whole record is accounted for
// (CheckRunInvariants says exactly what is checked).
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"
#include "tests/support/run_invariants.h"
#include "tests/support/sample_logs.h"

namespace kestrum {
namespace {

using testing::Bytes;
using testing::TestHeader;
using testing::TestRecord;

// Every option on, the generated contest identifier and the ADIF 3 names:
// the most fields per contact.
ConversionOptions AllOptions() {
  ConversionOptions options;
  options.sixMeters = options.arrlSs = options.vexoOption = 1;
  options.operatorOption = options.wpxOption = options.adif3 = 1;
  options.contestIdText = kGeneratedContestId;
  return options;
}

// Converts damaged logs and collects those that break a property, so that a
// fault shows its first few cases instead of thousands of lines.
class DamagedLogTest : public ::testing::Test {
 protected:
  void Convert(const std::string& name, const Bytes& log) {
    // Cases alternate between the dialog's defaults and every option on.
    const ConversionOptions options =
        cases_ % 2 == 0 ? ConversionOptions{} : AllOptions();
    ++cases_;
    testing::MemoryRun run;
    run.options = options;
    run.Convert(log);
    const std::string problem = testing::CheckRunInvariants(log, run);
    if (problem.empty()) return;
    if (++failures_ <= 5) report_ += name + ": " + problem + "\n";
  }

  void TearDown() override {
    EXPECT_EQ(failures_, 0) << "of " << cases_ << " cases:\n" << report_;
    RecordProperty("cases", cases_);
  }

  // One small sample of each generation.
  static const std::vector<testing::SampleLog>& Samples() {
    static const std::vector<testing::SampleLog> samples = [] {
      std::vector<testing::SampleLog> chosen;
      for (const auto& sample : testing::SampleLogs()) {
        if (sample.name == "cqww-7xx" || sample.name == "sweepstakes-8xx" ||
            sample.name == "vhf-9xx" || sample.name == "naqp-10xx") {
          chosen.push_back(sample);
        }
      }
      return chosen;
    }();
    return samples;
  }

  static std::size_t HeaderSize(int generation) {
    return generation == 7 ? 398 : generation == 8 ? 1024 : 4096;
  }

  static std::size_t RecordSize(int generation) {
    return generation == 7 ? 37 : generation == 10 ? 64 : 50;
  }

  // The four damages of one byte: the extremes, the sign bit and one bit
  // flipped (a different bit at each offset). Past `allValuesTo` only 0xff,
  // for the part of a long header that is read and discarded.
  template <typename Change>
  void ForEachByteChange(const Bytes& log, std::size_t from, std::size_t to,
                         const std::string& name, Change&& change,
                         std::size_t allValuesTo = SIZE_MAX) {
    for (std::size_t offset = from; offset < to; ++offset) {
      const auto original = std::to_integer<unsigned>(log[offset]);
      const unsigned values[] = {0xff, 0x00, 0x80,
                                 original ^ (1u << (offset % 8))};
      const std::size_t count = offset < allValuesTo ? 4 : 1;
      for (const unsigned value : std::span(values, count)) {
        if (value == original) continue;
        Bytes damaged = log;
        damaged[offset] = static_cast<std::byte>(value);
        change(name + " byte " + std::to_string(offset) + "=" +
                   std::to_string(value),
               damaged);
      }
    }
  }

  int cases_ = 0;
  int failures_ = 0;
  std::string report_;
};

TEST_F(DamagedLogTest, LogCutAtEveryLength) {
  for (const auto& sample : Samples()) {
    const Bytes log = BuildLog(sample.header, sample.records);
    for (std::size_t length = 0; length <= log.size(); ++length) {
      Convert(sample.name + " cut at " + std::to_string(length),
              Bytes(log.begin(),
                    log.begin() + static_cast<std::ptrdiff_t>(length)));
    }
  }
}

TEST_F(DamagedLogTest, OneByteChangedAnywhereInTheHeader) {
  for (const auto& sample : Samples()) {
    const Bytes log = BuildLog(sample.header, sample.records);
    ForEachByteChange(
        log, 0, HeaderSize(sample.header.generation), sample.name + " header",
        [&](const std::string& name, const Bytes& damaged) {
          Convert(name, damaged);
        },
        1024);
  }
}

TEST_F(DamagedLogTest, OneByteChangedAnywhereInARecord) {
  for (const auto& sample : Samples()) {
    const int generation = sample.header.generation;
    const Bytes log = BuildLog(sample.header, sample.records);
    // The second record, so that records stand before and after it.
    const std::size_t start = HeaderSize(generation) + RecordSize(generation);
    ForEachByteChange(log, start, start + RecordSize(generation),
                      sample.name + " record 2",
                      [&](const std::string& name, const Bytes& damaged) {
                        Convert(name, damaged);
                      });
  }
}

TEST_F(DamagedLogTest, RecordsOfAllOnesAndAllZeros) {
  for (const auto& sample : Samples()) {
    const int generation = sample.header.generation;
    const std::size_t size = RecordSize(generation);
    for (const std::byte fill : {std::byte{0x00}, std::byte{0xff}}) {
      const std::string name =
          sample.name + (fill == std::byte{0} ? " zeros" : " ones");
      Bytes log = BuildLog(sample.header, sample.records);
      // Replaces the first record, and follows the last one whole and cut.
      std::fill_n(
          log.begin() + static_cast<std::ptrdiff_t>(HeaderSize(generation)),
          size, fill);
      Convert(name + " first", log);
      log.insert(log.end(), size, fill);
      Convert(name + " last", log);
      log.insert(log.end(), size - 1, fill);
      Convert(name + " last and a piece", log);
      // A log of nothing else.
      Bytes only = testing::EncodeHeader(sample.header);
      only.insert(only.end(), 3 * size, fill);
      Convert(name + " only", only);
    }
  }
}

TEST_F(DamagedLogTest, RecordTextsWithoutTerminatingZero) {
  for (const auto& sample : Samples()) {
    const int generation = sample.header.generation;
    for (const char fill : {'W', '9', '\xff', '<', '\n'}) {
      std::vector<TestRecord> records = sample.records;
      for (TestRecord& r : records) {
        // Longer than every field, so the encoder fills each one whole.
        r.call = "K" + std::string(20, fill);
        r.exchange = std::string(10, fill);
        r.name = std::string(16, fill);
      }
      Convert(sample.name + " texts of " + std::to_string(fill),
              BuildLog(sample.header, records));
    }
    // A 7.xx exchange runs through the check byte to the end of the record.
    Bytes log = BuildLog(sample.header, sample.records);
    const std::size_t record = HeaderSize(generation);
    std::fill(log.begin() + static_cast<std::ptrdiff_t>(record),
              log.begin() +
                  static_cast<std::ptrdiff_t>(record + RecordSize(generation)),
              std::byte{'7'});
    Convert(sample.name + " record of digits", log);
  }
}

TEST_F(DamagedLogTest, HeaderTextsWithoutTerminatingZero) {
  // Offsets of the header texts; each is filled up to the next one, so that
  // it runs on into the next field, and the last ones to the end.
  const std::vector<std::size_t> texts7 = {20,  34,  64,  104, 131, 162,
                                           167, 171, 284, 295, 322, 398};
  const std::vector<std::size_t> textsLong = {0,   48,  80,  112, 176, 208,
                                              256, 486, 502, 638, 858, 1024};
  for (const auto& sample : Samples()) {
    const bool old = sample.header.generation == 7;
    const std::vector<std::size_t>& texts = old ? texts7 : textsLong;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      for (const char fill : {'K', '<', '\x80'}) {
        Bytes log = BuildLog(sample.header, sample.records);
        std::size_t end = texts[i + 1];
        // Byte 256 starts the contest, mode and category numbers.
        if (!old && texts[i] == 208) end = 256;
        if (!old && texts[i] == 256) continue;
        std::fill(log.begin() + static_cast<std::ptrdiff_t>(texts[i]),
                  log.begin() + static_cast<std::ptrdiff_t>(end),
                  static_cast<std::byte>(fill));
        Convert(sample.name + " header text at " + std::to_string(texts[i]),
                log);
      }
    }
    // Every text of the header at once, and the version text too where it
    // still holds its magic.
    Bytes log = BuildLog(sample.header, sample.records);
    for (std::size_t i = 0; i < (old ? 398u : 1024u); ++i) {
      if (!old && i >= 256 && i < 259) continue;
      if (!old && i >= 32 && i < 48) continue;
      if (log[i] == std::byte{0}) log[i] = std::byte{'Z'};
    }
    Convert(sample.name + " header without zeros", log);
  }
}

// Band, mode and contest numbers at 0, at the ends of their tables and at
// 255; times at 0, negative, at the 7-hour correction and at the 32-bit
// ends; frequencies at 0 and at the largest 32-bit value, split or not.
TEST_F(DamagedLogTest, NumbersAtTheEndsOfTheirRanges) {
  const std::uint8_t bands[] = {0, 1, 15, 21, 22, 255};
  const std::uint8_t modes[] = {0, 1, 4, 5, 15, 255};
  const std::int32_t times[] = {0,     -1,        -25200,   25199,
                                25200, INT32_MIN, INT32_MAX};
  const std::uint32_t frequencies[] = {0, 4294967295u, 50100000};
  std::vector<TestRecord> records;
  for (const std::uint8_t band : bands) {
    for (const std::uint8_t mode : modes) {
      for (const std::int32_t time : times) {
        TestRecord r;
        const std::size_t i = records.size();
        r.call = i % 11 == 0 ? "W1AW" : "K" + std::to_string(i % 10) + "XY";
        r.exchange = i % 3 == 0 ? "0" : i % 3 == 1 ? "NT" : "EU1";
        r.band = band;
        r.mode = mode;
        r.time = time;
        r.flags = static_cast<std::uint8_t>(i % 4 == 3 ? 0xff : i % 4);
        r.frequencyA = frequencies[i % 3];
        r.frequencyB = frequencies[(i / 3) % 3];
        r.receivedNumber = i % 2 ? 0xffff : 0x8000;
        r.sentNumber = i % 2 ? 0xffff : 0;
        r.transmitterCount = 255;
        r.classLetter = '\xff';
        r.check = 255;
        r.precedence = i % 2 ? '\xff' : '\0';
        records.push_back(r);
      }
    }
  }
  const std::string codes7[] = {"CQWW", "IOTA", "FQPNF", "NONE"};
  for (const int generation : {7, 8, 9, 10}) {
    TestHeader header;
    header.generation = generation;
    header.versionText = generation == 8   ? "ZR 8.00"
                         : generation == 9 ? "ZR 9.41"
                                           : "ZR 10.99";
    if (generation == 7) {
      for (const std::string& code : codes7) {
        header.contest = code;
        Convert("7.xx contest " + code, BuildLog(header, records));
      }
      continue;
    }
    for (int contest = 0; contest <= 256; ++contest) {
      if (contest > 31 && contest < 255) continue;
      header.contestIndex = static_cast<std::uint8_t>(contest);
      header.modeIndex = static_cast<std::uint8_t>(contest % 6);
      header.timeFlag = static_cast<std::uint8_t>(contest % 2);
      header.categoryNumber =
          static_cast<std::uint8_t>(contest == 255 ? 255 : contest % 21);
      Convert(
          std::to_string(generation) + ".xx contest " + std::to_string(contest),
          BuildLog(header, records));
    }
  }
}

// The version number sits at the edges where the reading of a log changes:
// the Sweepstakes precedence (9.42), the band tables (9.48, 9.85), the
// category numbers (9.53), the record size (10.00) and the last known
// generation (11.00 and beyond, also far beyond).
TEST_F(DamagedLogTest, VersionTextsAtTheEdges) {
  const std::string versions[] = {"ZR 8.",
                                  "ZR 8.999",
                                  "ZR 9.41",
                                  "ZR 9.42",
                                  "ZR 9.47",
                                  "ZR 9.48",
                                  "ZR 9.52",
                                  "ZR 9.53",
                                  "ZR 9.84",
                                  "ZR 9.85",
                                  "ZR 9.995",
                                  "ZR 10.",
                                  "ZR 10.995",
                                  "ZR 11.00",
                                  "ZR 10.00ZR 8.",
                                  "ZR 9." + std::string(12, '9'),
                                  "ZR 9." + std::string(400, '9'),
                                  "ZR 10." + std::string(900, '9')};
  for (const auto& sample : Samples()) {
    if (sample.header.generation == 7) continue;
    for (const std::string& version : versions) {
      Bytes log = BuildLog(sample.header, sample.records);
      // The version text may run past its 16 bytes, as a damaged one does.
      for (std::size_t i = 0; i < version.size() && 32 + i < 1023; ++i) {
        log[32 + i] = static_cast<std::byte>(version[i]);
      }
      log[std::min<std::size_t>(32 + version.size(), 1023)] = std::byte{0};
      Convert(sample.name + " version " + version.substr(0, 20), log);
    }
  }
}

}  // namespace
}  // namespace kestrum
