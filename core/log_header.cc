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

// The call sign from its first upper-case letter or digit on; "" if none.
std::string TrimmedCall(std::string_view stored) {
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (IsUpperLetter(stored[i]) || IsDigit(stored[i])) {
      return std::string(stored.substr(i));
    }
  }
  return {};
}

// Header texts run up to their zero byte and never past the header block;
// only the call sign is bounded by its own field, because it goes into every
// contact's OPERATOR field, which must fit on an ADIF line.
void FillLongHeader(MessageLog& log, ByteReader block, LogHeader& header) {
  header.contestIndex = block.U8(kContestNumber);
  header.modeIndex = block.U8(kModeNumber);
  header.operatorCall = TrimmedCall(block.Text(kCallText, kCallWidth));
  header.contest = block.TextToEnd(kContestText);
  if (header.contest.empty()) {
    header.contest = std::string(ContestTextOfIndex(header.contestIndex));
  }
  header.zone = block.TextToEnd(kZoneText);
  header.name = block.TextToEnd(kNameText);
  header.street = block.TextToEnd(kStreetText);
  header.town = block.TextToEnd(kTownText);
  header.state = block.TextToEnd(kStateText);
  header.zip = block.TextToEnd(kZipText);
  header.club = block.TextToEnd(kClubText);
  int category = block.U8(kCategoryNumber);
  if (header.version <= kLastShiftedCategoryVersion) category += kCategoryShift;
  header.category = std::string(CategoryText(category));
  header.powerIndex = kNoPowerIndex;
  LogMessage(log, MessageKind::kInformation,
             StringPrintf(text::kHeaderLine, header.contest.c_str(),
                          header.operatorCall.c_str(),
                          block.TextToEnd(kVersionText).c_str()));
}

void FillHeader7(MessageLog& log, ByteReader block, LogHeader& header) {
  const std::string storedCall = block.Text(kCallText7, kCallWidth7);
  const std::string contestText = block.TextToEnd(kContestText7);
  const std::string modeText = block.TextToEnd(kModeText7);
  header.operatorCall = TrimmedCall(storedCall);
  header.zone = block.TextToEnd(kZoneText7);
  header.name = block.TextToEnd(kNameText7);
  header.street = block.TextToEnd(kStreetText7);
  header.town = block.TextToEnd(kTownText7);
  header.state = block.TextToEnd(kStateText7);
  header.zip = block.TextToEnd(kZipText7);
  header.club = block.TextToEnd(kClubText7);
  header.category = block.TextToEnd(kCategoryText7);
  header.powerIndex = block.U8(kPowerNumber7);

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
    const std::string versionText = ByteReader(block).TextToEnd(kVersionText);
    // Looked for in this order; the first magic found decides.
    struct Magic {
      std::string_view text;
      int generation;
    };
    static constexpr std::array<Magic, 3> kMagics = {
        {{"ZR 8.", 8}, {"ZR 9.", 9}, {"ZR 10.", 10}}};
    for (const Magic& magic : kMagics) {
      const std::size_t at = versionText.find(magic.text);
      if (at == std::string::npos) continue;
      // The fields lie in the first block; 9.xx and 10.xx headers run on
      // with bytes that are not read.
      const LogLayout layout = *LayoutOfGeneration(magic.generation);
      if (start.size() < layout.headerSize) {
        Refuse(log, inputFileName, header);
        return 0;
      }
      header.version =
          ParseVersionNumber(std::string_view(versionText).substr(at + 3));
      header.timeFlag = ByteReader(block).U8(kTimeFlag);
      FillLongHeader(log, ByteReader(block), header);
      return layout.firstRecord;
    }
  }
  const LogLayout layout7 = *LayoutOfGeneration(7);
  if (start.size() < layout7.headerSize) {
    Refuse(log, inputFileName, header);
    return 0;
  }
  header.version = kVersion7;
  header.timeFlag = 0;
  FillHeader7(log, ByteReader(start.first(layout7.headerSize)), header);
  return layout7.firstRecord;
}

}  // namespace kestrum
