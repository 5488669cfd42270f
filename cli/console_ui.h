// SPDX-License-Identifier: MIT
// ConsoleUi: what a conversion run shows, printed instead of displayed. The
// message list and the closing report go to the report stream (standard
// output, or standard error when the ADIF text itself goes to standard
// output); an error box goes to standard error after the program's name,
// as every diagnostic of the program. Every text is printed as its bytes,
// one per line.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "run/conversion_ui.h"

namespace kestrum::cli {

// What every diagnostic the program writes on standard error starts with.
inline constexpr char kDiagnosticPrefix[] = "kestrum-convert: ";

class ConsoleUi final : public ConversionUi {
 public:
  // `report` and `err` must outlive the ConsoleUi; they may be one stream.
  // `quiet` keeps only the warnings and errors of the message list, and
  // puts the log's name before the closing report.
  ConsoleUi(std::ostream& report, std::ostream& err, bool quiet = false)
      : report_(report), err_(err), quiet_(quiet) {}

  // Names the log of the run that starts next, for the quiet closing report
  // "LOG: N QSOs written to FILE".
  void StartLog(std::string_view logPath) { logPath_ = logPath; }

  // kDiagnosticPrefix and the box's text on `err`, after everything printed
  // on `report` so far.
  void ShowErrorBox(std::string_view text) override;
  // The box's text on `report`; when quiet, after the log's name and ": ".
  void ShowInformationBox(std::string_view text) override;
  // Each line on `report`, in order; when quiet only the warning and error
  // lines, without the empty line that closes each group. The list is not
  // cleared: on a console each run's lines follow those of the run before.
  void ReplaceMessageList(const MessageLog& log) override;

  // A note of the program's own on `err`, after kDiagnosticPrefix.
  void PrintDiagnostic(std::string_view text);

  // Flushes `report`. Nothing when everything printed on it arrived; else
  // the system's reason for the first failure ("Broken pipe" once the
  // reader of a pipe has gone, "No space left on device").
  std::optional<std::string> FinishReport();

 private:
  // Print on `report`, or flush it, noting the system's reason for its
  // first failure.
  void PrintReport(std::string_view text);
  void FlushReport();
  void NoteReportFailure();

  std::ostream& report_;
  std::ostream& err_;
  bool quiet_;
  std::string logPath_;
  std::optional<std::string> reportFailure_;
};

// Writes `text` and a line feed to `stream`, but no second line feed when the
// text already ends in one of its own.
void PrintLine(std::ostream& stream, std::string_view text);

}  // namespace kestrum::cli
