// SPDX-License-Identifier: MIT
// QsoRecord: one contact as every log generation is decoded into it. It has
// the fields of the 64-byte 10.xx record; the translation reads nothing else.
// Texts are already bounded to their field: a field without a terminating
// zero yields its whole width, never more.
#pragma once

#include <cstdint>
#include <string>

namespace kestrum {

struct QsoRecord {
  std::string call;                   // bytes 0-15
  std::string exchange;               // bytes 16-23: the received exchange
  std::uint8_t band = 0;              // 24: the logger's band number
  std::uint8_t mode = 0;              // 25: 1 CW, 2 SSB, 3 RTTY, 4 FM; 0 log
  std::uint8_t flags = 0;             // 26: see the kFlag constants
  std::uint8_t byte27 = 0;            // 27: not used
  std::uint16_t receivedNumber = 0;   // 28-29: report (signed) or serial
  std::uint16_t sentNumber = 0;       // 30-31: serial number sent
  std::uint8_t transmitterCount = 0;  // 32: Field Day class number
  char classLetter = 0;               // 33: Field Day class letter
  std::uint32_t frequencyA = 0;       // 34-37: Hz
  std::uint32_t frequencyB = 0;       // 38-41: Hz
  std::int32_t time = 0;              // 42-45: seconds since 1970, UTC
  std::uint8_t check = 0;             // 46: Sweepstakes check
  char precedence = 0;                // 47: Sweepstakes precedence (9.42+)
  std::uint8_t byte48 = 0;            // 48: not used
  std::uint8_t byte49 = 0;            // 49: not used
  std::string name;                   // bytes 50-63: operator's name
};

// Bits of QsoRecord::flags.
inline constexpr std::uint8_t kFlagSplit = 0x01;
inline constexpr std::uint8_t kFlagMainIsB = 0x02;
inline constexpr std::uint8_t kFlagPrecedenceA = 0x04;  // logs before 9.42
inline constexpr std::uint8_t kFlagPrecedenceB = 0x40;  // logs before 9.42

}  // namespace kestrum
