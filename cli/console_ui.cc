// SPDX-License-Identifier: MIT
#include "cli/console_ui.h"

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
  out_.flush();
  PrintLine(err_, text);
  err_.flush();
}

void ConsoleUi::ShowInformationBox(std::string_view text) {
  PrintLine(out_, text);
  out_.flush();
}

void ConsoleUi::ReplaceMessageList(const MessageLog& log) {
  log.ForEachListLine(
      [this](MessageKind, std::string_view line) { PrintLine(out_, line); });
}

}  // namespace kestrum::cli
