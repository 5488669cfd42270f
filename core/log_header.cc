// SPDX-License-Identifier: MIT
#include "core/log_header.h"

#include <array>
#include <climits>
#include <cmath>
#include <optional>

#include "base/c_text.h"
#include "base/decimal_number.h"
#include "base/string_printf.h"
#include "core/byte_reader.h"
#include "core/messages.h"
#include "refdata/category_table.h"
#include "refdata/name_table.h"

namespace kestrum {
namespace {

// 8.xx to 10.xx header: offsets of the fields that are read.
constexpr std::size_t kContestText = 0;
constexpr std::size_t kVersionText = 32;
constexpr std::size_t kCallText = 48;
constexpr std::size_t kCallWidth = 32;  // bytes 48-79; the name follows
constexpr std::size_t kNameText = 80;
constexpr std::size_t kStreetText = 112;
constexpr std::size_t kTownText = 176;
constexpr std::size_t kStateText = 208;
constexpr std::size_t kContestNumber = 256;
constexpr std::size_t kModeNumber = 257;
constexpr std::size_t kCategoryNumber = 258;
constexpr std::size_t kZipText = 486;
constexpr std::size_t kZoneText = 502;
constexpr std::size_t kClubText = 638;
constexpr std::size_t kTimeFlag = 858;

// 7.xx header offsets.
constexpr std::size_t kPowerNumber7 = 11;
constexpr std::size_t kCallText7 = 20;
constexpr std::size_t kCallWidth7 = 14;  // bytes 20-33; the name follows
constexpr std::size_t kNameText7 = 34;
constexpr std::size_t kStreetText7 = 64;
constexpr std::size_t kTownText7 = 104;
constexpr std::size_t kStateText7 = 131;
constexpr std::size_t kContestText7 = 162;
constexpr std::size_t kModeText7 = 167;
constexpr std::size_t kCategoryText7 = 171;
constexpr std::size_t kZipText7 = 284;
constexpr std::size_t kZoneText7 = 295;
constexpr std::size_t kClubText7 = 322;

// Logs up to 9.52 number their categories from CategoryTable entry 8 on.
constexpr int kLastShiftedCategoryVersion = 952;
constexpr int kCategoryShift = 8;
// The 7.xx contest search tries the codes of contests 0 to 22 only.
constexpr int kContestCodes7 = 23;

// A header text: up to its zero byte, bounded by the header block.
std::string HeaderText(ByteSpan block, std::size_t offset) {
  return ReadText(block, offset, block.size());
}

// The call sign is bounded by its own field: it goes into every contact's
// OPERATOR field, which must fit on an ADIF line.
std::string HeaderCall(ByteSpan block, std::size_t offset, std::size_t width) {
  return ReadText(block, offset, width);
}

// The call sign from its first upper-case letter or digit on; "" if none.
std::string TrimmedCall(std::string_view stored) {
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (IsUpperLetter(stored[i]) || IsDigit(stored[i])) {
      return std::string(stored.substr(i));
    }
  }
  return {};
}

void FillLongHeader(MessageLog& log, ByteSpan block, LogHeader& header) {
  header.contestIndex = ReadU8(block, kContestNumber);
  header.modeIndex = ReadU8(block, kModeNumber);
  header.operatorCall = TrimmedCall(HeaderCall(block, kCallText, kCallWidth));
  header.contest = HeaderText(block, kContestText);
  if (header.contest.empty()) {
    header.contest = std::string(ContestTextOfIndex(header.contestIndex));
  }
  header.zone = HeaderText(block, kZoneText);
  header.name = HeaderText(block, kNameText);
  header.street = HeaderText(block, kStreetText);
  header.town = HeaderText(block, kTownText);
  header.state = HeaderText(block, kStateText);
  header.zip = HeaderText(block, kZipText);
  header.club = HeaderText(block, kClubText);
  int category = ReadU8(block, kCategoryNumber);
  if (header.version <= kLastShiftedCategoryVersion) category += kCategoryShift;
  header.category = std::string(CategoryText(category));
  header.powerIndex = kNoPowerIndex;
  LogMessage(log, MessageKind::kInformation,
             StringPrintf(text::kHeaderLine, header.contest.c_str(),
                          header.operatorCall.c_str(),
                          HeaderText(block, kVersionText).c_str()));
}

void FillHeader7(MessageLog& log, ByteSpan block, LogHeader& header) {
  const std::string storedCall = HeaderCall(block, kCallText7, kCallWidth7);
  const std::string contestText = HeaderText(block, kContestText7);
  const std::string modeText = HeaderText(block, kModeText7);
  header.operatorCall = TrimmedCall(storedCall);
  header.zone = HeaderText(block, kZoneText7);
  header.name = HeaderText(block, kNameText7);
  header.street = HeaderText(block, kStreetText7);
  header.town = HeaderText(block, kTownText7);
  header.state = HeaderText(block, kStateText7);
  header.zip = HeaderText(block, kZipText7);
  header.club = HeaderText(block, kClubText7);
  header.category = HeaderText(block, kCategoryText7);
  header.powerIndex = ReadU8(block, kPowerNumber7);

  header.modeIndex = kUnknownMode7;
  for (int mode = 1; mode < kModeNameCount; ++mode) {
    if (modeText.find(HeaderModeName(mode)) != std::string::npos) {
      header.modeIndex = static_cast<std::uint8_t>(mode);
      break;
    }
  }
  // Any occurrence counts and the lower number wins, so "VHFS" is "VHF".
  header.contestIndex = kUnknownContest7;
  header.contest.clear();
  for (int contest = 0; contest < kContestCodes7; ++contest) {
    if (contestText.find(ContestCode(contest)) != std::string::npos) {
      header.contestIndex = static_cast<std::uint8_t>(contest);
      header.contest = std::string(ContestCode(contest));
      break;
    }
  }
  LogMessage(log, MessageKind::kInformation,
             StringPrintf(text::kHeaderLine7, contestText.c_str(),
                          storedCall.c_str(), modeText.c_str()));
}

void Refuse(MessageLog& log, std::string_view inputFileName,
            LogHeader& header) {
  LogMessage(
      log, MessageKind::kError,
      StringPrintf(text::kInvalidHeader, std::string(inputFileName).c_str()));
  header.version = 0;
}

}  // namespace

std::string_view ContestTextOfIndex(int contestIndex) {
  switch (contestIndex) {
    case 28:
      return "NA-SPRINT";
    case 29:
      return "NAQP";
    default:
      return ContestCode(contestIndex);
  }
}

int ParseVersionNumber(std::string_view number) {
  const std::optional<double> value = ReadDecimalNumber(number);
  if (!value) return 0;
  const double scaled = (*value + 0.005) * 100.0;
  if (!(scaled < static_cast<double>(INT_MAX))) return INT_MAX;
  return static_cast<int>(scaled);
}

std::size_t ReadLogHeader(MessageLog& log, std::string_view inputFileName,
                          ByteSpan start, LogHeader& header) {
  if (start.size() >= kHeaderBlock) {
    const ByteSpan block = start.first(kHeaderBlock);
    const std::string versionText = HeaderText(block, kVersionText);
    // Looked for in this order; the first magic found decides.
    static constexpr std::array<std::string_view, 3> kMagics = {
        "ZR 8.", "ZR 9.", "ZR 10."};
    for (const std::string_view magic : kMagics) {
      const std::size_t at = versionText.find(magic);
      if (at == std::string::npos) continue;
      // 9.xx and 10.xx headers run on to 4096 bytes; nothing more is read.
      const std::size_t headerSize =
          magic == "ZR 8." ? kHeaderBlock : kLongHeader;
      if (start.size() < headerSize) {
        Refuse(log, inputFileName, header);
        return 0;
      }
      header.version =
          ParseVersionNumber(std::string_view(versionText).substr(at + 3));
      header.timeFlag = ReadU8(block, kTimeFlag);
      FillLongHeader(log, block, header);
      return headerSize;
    }
  }
  if (start.size() < kHeader7) {
    Refuse(log, inputFileName, header);
    return 0;
  }
  header.version = kVersion7;
  header.timeFlag = 0;
  FillHeader7(log, start.first(kHeader7), header);
  return kHeader7;
}

}  // namespace kestrum
