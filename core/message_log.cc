// SPDX-License-Identifier: MIT
#include "core/message_log.h"

#include <utility>

namespace kestrum {

void MessageLog::ForEachListLine(
    const std::function<void(MessageKind, std::string_view)>& visit) const {
  for (const MessageKind kind : {MessageKind::kInformation,
                                 MessageKind::kWarning, MessageKind::kError}) {
    const std::vector<std::string>& group = Of(kind);
    if (group.empty()) continue;
    for (const std::string& line : group) visit(kind, line);
    visit(kind, std::string_view());
  }
}

void LogMessage(MessageLog& log, MessageKind kind, std::string text) {
  log.lines[static_cast<std::size_t>(kind)].push_back(std::move(text));
}

std::vector<std::string> MessageListLines(const MessageLog& log) {
  std::vector<std::string> shown;
  log.ForEachListLine([&shown](MessageKind, std::string_view line) {
    shown.emplace_back(line);
  });
  return shown;
}

}  // namespace kestrum
