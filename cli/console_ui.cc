// SPDX-License-Identifier: MIT
#include "cli/console_ui.h"

#include <cerrno>
#include <system_error>

namespace kestrum::cli {

void PrintLine(std::ostream& stream, std::string_view text) {
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (text.empty() || text.back() != '\n') {
    stream.put('\n');
  }
}

void ConsoleUi::ShowErrorBox(std::string_view text) {
  // When both streams go to one terminal or file, the error must appear
  // after the lines of the runs before it.
  FlushOutput();
  err_ << kDiagnosticPrefix;
  PrintLine(err_, text);
  err_.flush();
}

void ConsoleUi::ShowInformationBox(std::string_view text) {
  PrintOutput(text);
  FlushOutput();
}

void ConsoleUi::ReplaceMessageList(const MessageLog& log) {
  log.ForEachListLine(
      [this](MessageKind, std::string_view line) { PrintOutput(line); });
}

std::optional<std::string> ConsoleUi::FinishOutput() {
  FlushOutput();
  return outputFailure_;
}

void ConsoleUi::FlushOutput() {
  errno = 0;
  out_.flush();
  NoteOutputFailure();
}

void ConsoleUi::PrintOutput(std::string_view text) {
  errno = 0;
  PrintLine(out_, text);
  NoteOutputFailure();
}

void ConsoleUi::NoteOutputFailure() {
  // Right after the operation that failed, errno still holds its reason.
  if (!out_ && !outputFailure_) {
    outputFailure_ = errno != 0 ? std::generic_category().message(errno)
                                : std::string("the stream reported an error");
  }
}

}  // namespace kestrum::cli
