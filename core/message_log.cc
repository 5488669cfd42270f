// SPDX-License-Identifier: MIT
#include "core/message_log.h"

#include <utility>

namespace kestrum {

void LogMessage(MessageLog& log, MessageKind kind, std::string text) {
  log.lines[static_cast<std::size_t>(kind)].push_back(std::move(text));
}

std::vector<std::string> MessageListLines(const MessageLog& log) {
  std::vector<std::string> shown;
  for (const auto& group : log.lines) {
    if (group.empty()) continue;
    shown.insert(shown.end(), group.begin(), group.end());
    shown.emplace_back();
  }
  return shown;
}

}  // namespace kestrum
