// SPDX-License-Identifier: MIT
// Builds ZR log files of all four generations in memory from readable
// fields, so that every test states its input plainly. Fields that a
// generation does not store are ignored for it (a 7.xx record has no name,
// no sent number, no Field Day class).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrum::testing {

struct TestHeader {
  int generation = 10;                   // 7, 8, 9 or 10
  std::string versionText = "ZR 10.03";  // 8.xx and later, at offset 32
  std::string contest;                   // text at 0 (8+) or 162 (7.xx)
  std::string call = "W1AW";
  std::string name = "Hiram";
  std::string street = "225 Main St";
  std::string town = "Newington";
  std::string state = "CT";
  std::string zip = "06111";
  std::string zone = "5";
  std::string club = "Radio Club";
  std::uint8_t contestIndex = 0;    // 8.xx and later
  std::uint8_t modeIndex = 1;       // 8.xx and later
  std::uint8_t categoryNumber = 0;  // 8.xx and later
  std::uint8_t timeFlag = 1;        // 8.xx and later; 1: times as stored
  std::string modeText = "CW";      // 7.xx
  std::string categoryText = "SO";  // 7.xx
  std::uint8_t powerNumber = 0;     // 7.xx
};

struct TestRecord {
  std::string call;
  std::string exchange;
  std::uint8_t band = 0;  // 7.xx: low four bits only
  std::uint8_t mode = 0;  // 7.xx: low four bits only
  std::uint8_t flags = 0;
  std::uint16_t receivedNumber = 0;
  std::uint16_t sentNumber = 0;  // 10.xx only
  std::uint8_t transmitterCount = 0;
  char classLetter = 0;
  std::uint32_t frequencyA = 0;
  std::uint32_t frequencyB = 0;
  std::int32_t time = 0;
  std::uint8_t check = 0;
  char precedence = 0;
  std::string name;  // 10.xx only
};

using Bytes = std::vector<std::byte>;

// The header block of the generation: 398, 1024 or 4096 bytes.
Bytes EncodeHeader(const TestHeader& header);

// One record of the generation: 37, 50 or 64 bytes. Texts longer than their
// field are cut to it (without a terminating zero when they fill it).
Bytes EncodeRecord(int generation, const TestRecord& record);

// A whole log: the header and then every record.
Bytes BuildLog(const TestHeader& header,
               const std::vector<TestRecord>& records);

// Writes `bytes` to `path`; false on failure.
bool WriteFile(const std::string& path, const Bytes& bytes);

// Seconds since 1970 of a UTC date and time.
std::int32_t UtcSeconds(int year, int month, int day, int hour = 0,
                        int minute = 0, int second = 0);

}  // namespace kestrum::testing
