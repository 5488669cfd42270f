// SPDX-License-Identifier: MIT
#include "tests/support/run_invariants.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/log_layout.h"
#include "tests/support/adif_checker.h"

namespace kestrum::testing {
namespace {

constexpr char kInput[] = "in.bin";
constexpr char kOutput[] = "out.adi";

// Where the records of `log` start, worked out from its bytes alone so that
// the check does not trust the header reader it checks; 0 when the header
// must be refused.
std::size_t ExpectedRecordStart(const Bytes& log) {
  const auto start = [&log](int generation) -> std::size_t {
    const LogLayout layout = *LayoutOfGeneration(generation);
    return log.size() >= layout.headerSize ? layout.firstRecord : 0;
  };
  if (log.size() >= 1024) {
    std::string versionText;
    for (std::size_t i = 32; i < 1024 && log[i] != std::byte{0}; ++i) {
      versionText.push_back(static_cast<char>(log[i]));
    }
    if (versionText.find("ZR 8.") != std::string::npos) return start(8);
    if (versionText.find("ZR 9.") != std::string::npos) return start(9);
    if (versionText.find("ZR 10.") != std::string::npos) return start(10);
  }
  return start(7);
}

std::size_t RecordSize(int version) {
  const std::optional<LogLayout> layout = LayoutOfVersion(version);
  return layout ? layout->recordSize : 0;
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

std::string CheckMessageGroups(const std::vector<std::string>& lines) {
  if (lines.empty() || !lines.back().empty()) {
    return "message list does not end with an empty line";
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty() && lines[i - 1].empty()) {
      return "message list holds an empty group";
    }
  }
  if (lines.front().empty()) return "message list starts with an empty line";
  return {};
}

}  // namespace

std::string CheckRunInvariants(const Bytes& log, const MemoryRun& run) {
  const std::string written = std::to_string(run.result.qsosWritten);
  if (!run.ui.errorBoxes.empty()) {
    return "error box: " + run.ui.errorBoxes.front();
  }
  if (run.ui.informationBoxes.size() != 1 ||
      run.ui.informationBoxes.front() !=
          written + " QSOs written to " + kOutput) {
    return "closing report missing or with another count";
  }
  if (run.ui.messageListUpdates != 1) return "message list not filled once";
  const std::vector<std::string>& messages = run.ui.messageList;
  if (std::string problem = CheckMessageGroups(messages); !problem.empty()) {
    return problem;
  }
  const std::optional<std::string> output = run.files.Text(kOutput);
  const std::size_t recordStart = ExpectedRecordStart(log);
  if (recordStart == 0) {
    if (run.result.status != RunStatus::kLogRefused ||
        run.result.header.version != 0) {
      return "short header not refused";
    }
    const std::vector<std::string> refused = {
        std::string("ZR file ") + kInput + " does not have a valid header.",
        ""};
    if (messages != refused) return "refused header with other messages";
    if (output || run.result.qsosWritten != 0) {
      return "refused header but something written";
    }
    return {};
  }

  const LogLayout layout7 = *LayoutOfGeneration(7);
  if (run.result.header.version < 700 ||
      (recordStart == layout7.firstRecord) !=
          (run.result.header.version == 700)) {
    return "header accepted with version " +
           std::to_string(run.result.header.version);
  }
  if (!StartsWith(messages.front(), "Contest is ")) {
    return "first message is not the header line";
  }
  const std::size_t recordSize = RecordSize(run.result.header.version);
  if (recordSize == 0) {
    const bool reported =
        std::count(messages.begin(), messages.end(),
                   "Unknown ZR version, can not convert.\n") == 1;
    if (!reported || run.result.status != RunStatus::kLogRefused || output) {
      return "unknown version not reported or something written";
    }
    return {};
  }
  if (!output) return "no ADIF file";
  const AdifCheck adif = CheckAdif(*output);
  if (!adif.WellFormed()) return "ADIF file: " + adif.problem;
  if (run.result.status != RunStatus::kConverted) {
    return "run with a readable log did not end as converted";
  }

  long long withCall = 0;
  const std::size_t callOffset = recordSize == layout7.recordSize ? 16 : 0;
  for (std::size_t at = recordStart; log.size() - at >= recordSize;
       at += recordSize) {
    if (log[at + callOffset] != std::byte{0}) ++withCall;
  }
  const long long skipped = std::count_if(
      messages.begin(), messages.end(),
      [](const auto& line) { return StartsWith(line, "Skipping QSO with "); });
  const long long ignored = run.result.qsosIgnored;

  const std::string summary =
      written + " QSOs written in 0 seconds to " + kOutput;
  const bool summaryShown =
      ignored > 0
          ? std::search_n(messages.begin(), messages.end(), 1,
                          summary + " (non-satellite)") != messages.end() &&
                std::count(
                    messages.begin(), messages.end(),
                    std::to_string(ignored) + " QSOs ignored (satellite)") == 1
          : std::count(messages.begin(), messages.end(), summary) == 1;
  if (!summaryShown) return "summary lines missing or with other counts";

  if (adif.headerQsoCount != run.result.qsosWritten ||
      adif.records + skipped != run.result.qsosWritten) {
    return "header counts " + std::to_string(adif.headerQsoCount) +
           " QSOs; run reports " + written + "; file holds " +
           std::to_string(adif.records) + " records and " +
           std::to_string(skipped) + " were skipped";
  }
  if (adif.records + skipped + ignored != withCall) {
    return std::to_string(withCall) + " records with a call but " +
           std::to_string(adif.records) + " written, " +
           std::to_string(skipped) + " skipped, " + std::to_string(ignored) +
           " ignored";
  }
  return {};
}

}  // namespace kestrum::testing
