// SPDX-License-Identifier: MIT
// The log header: which logger version wrote a ZR log, the contest, the
// station and the entry. ReadLogHeader recognises the file generation (7.xx,
// 8.xx, 9.xx, 10.xx), fills a LogHeader and leaves the file at the first
// contact record. The byte layout of every generation is in
// doc/log_format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/byte_reader.h"
#include "core/log_layout.h"
#include "core/message_log.h"

namespace kestrum {

// The first bytes of an 8.xx to 10.xx header, which hold every field that is
// read; also the probe for the version text.
inline constexpr std::size_t kHeaderBlock = 1024;
inline constexpr int kVersion7 = 700;                 // every 7.xx log
inline constexpr std::uint8_t kNoPowerIndex = 99;     // 8.xx and later
inline constexpr std::uint8_t kUnknownContest7 = 23;  // 7.xx text without code
inline constexpr std::uint8_t kUnknownMode7 = 5;      // 7.xx text without mode

struct LogHeader {
  int version = 0;  // logger version x 100; 700 for 7.xx; 0 = refused
  std::string contest;
  std::string operatorCall;
  std::string zone;
  std::string name;
  std::string street;
  std::string town;
  std::string state;
  std::string zip;
  std::string club;
  std::string category;
  std::uint8_t powerIndex = 0;    // 0 High, 1 Low, 2 QRP (7.xx); 99 none
  std::uint8_t contestIndex = 0;  // contest number of the NameTable
  std::uint8_t modeIndex = 0;     // 1 CW, 2 SSB, 3 RTTY, 4 FM
  std::uint8_t timeFlag = 0;      // 0: stored times are 7 hours late (8.xx+)
};

// Reads the header from `start`, the first bytes of a log: kLongestHeader of
// them, or the whole file when it is shorter. On success fills `header`
// (version >= 700), adds one information line and returns the offset of the
// first contact record (the firstRecord of the generation's LogLayout). A file
// too short for its generation is refused: the result is 0, version 0, the
// error line "ZR file %s does not have a valid header." with `inputFileName`,
// and the other fields of `header` untouched.
[[nodiscard]] std::size_t ReadLogHeader(MessageLog& log,
                                        std::string_view inputFileName,
                                        ByteSpan start, LogHeader& header);

// The contest text an 8.xx or later header gets when its own is empty: the
// contest code, and for the codeless numbers 28 and 29 the names of their
// contest identifiers; "" for any other number.
std::string_view ContestTextOfIndex(int contestIndex);

// The logger version (x 100) of a version text such as "ZR 9.52": the decimal
// number right behind "ZR ", plus 0.005, times 100, cut toward zero. `number`
// starts at that number.
int ParseVersionNumber(std::string_view number);

}  // namespace kestrum
