// SPDX-License-Identifier: MIT
// ConsoleUi: what a conversion run shows, printed instead of displayed. The
// message list and the closing report go to standard output, an error box to
// standard error after the program's name, as every diagnostic of the
// program; every text is printed as its bytes, one per line.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "run/conversion_ui.h"

namespace kestrum::cli {

// What every diagnostic the program writes on standard error starts with.
inline constexpr char kDiagnosticPrefix[] = "kestrum-convert: ";

class ConsoleUi final : public ConversionUi {
 public:
  // `out` and `err` must outlive the ConsoleUi.
  ConsoleUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  // kDiagnosticPrefix and the box's text on `err`, after everything printed
  // on `out` so far.
  void ShowErrorBox(std::string_view text) override;
  // The box's text on `out`.
  void ShowInformationBox(std::string_view text) override;
  // Each line on `out`, in order. The list is not cleared: on a console each
  // run's lines simply follow those of the run before.
  void ReplaceMessageList(const MessageLog& log) override;

  // Flushes `out`. Nothing when everything printed on it arrived; else the
  // system's reason for the first failure ("Broken pipe" once the reader
  // of a pipe has gone, "No space left on device").
  std::optional<std::string> FinishOutput();

 private:
  // Print on `out`, or flush it, noting the system's reason for its first
  // failure.
  void PrintOutput(std::string_view text);
  void FlushOutput();
  void NoteOutputFailure();

  std::ostream& out_;
  std::ostream& err_;
  std::optional<std::string> outputFailure_;
};

// Writes `text` and a line feed to `stream`, but no second line feed when the
// text already ends in one of its own.
void PrintLine(std::ostream& stream, std::string_view text);

}  // namespace kestrum::cli
