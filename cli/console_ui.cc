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

void ConsoleUi::ShowErrorBox(std::string_view text) { PrintDiagnostic(text); }

void ConsoleUi::ShowInformationBox(std::string_view text) {
  if (quiet_) {
    std::string line = logPath_;
    line += ": ";
    line += text;
    PrintReport(line);
  } else {
    PrintReport(text);
  }
  FlushReport();
}

void ConsoleUi::ReplaceMessageList(const MessageLog& log) {
  log.ForEachListLine([this](MessageKind kind, std::string_view line) {
    if (!quiet_ || (kind != MessageKind::kInformation && !line.empty())) {
      PrintReport(line);
    }
  });
}

void ConsoleUi::PrintDiagnostic(std::string_view text) {
  // When both streams go to one terminal or file, the note must appear
  // after the lines of the runs before it.
  FlushReport();
  err_ << kDiagnosticPrefix;
  PrintLine(err_, text);
  err_.flush();
}

std::optional<std::string> ConsoleUi::FinishReport() {
  FlushReport();
  return reportFailure_;
}

void ConsoleUi::FlushReport() {
  errno = 0;
  report_.flush();
  NoteReportFailure();
}

void ConsoleUi::PrintReport(std::string_view text) {
  errno = 0;
  PrintLine(report_, text);
  NoteReportFailure();
}

void ConsoleUi::NoteReportFailure() {
  // Right after the operation that failed, errno still holds its reason.
  if (!report_ && !reportFailure_) {
    reportFailure_ = errno != 0 ? std::generic_category().message(errno)
                                : std::string("the stream reported an error");
  }
}

}  // namespace kestrum::cli
