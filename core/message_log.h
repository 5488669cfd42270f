// SPDX-License-Identifier: MIT
// MessageLog: the information, warning and error lines of one conversion run,
// and the order in which the message list shows them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

enum class MessageKind { kInformation = 0, kWarning = 1, kError = 2 };

// One list of owned lines per kind, each kept oldest first.
struct MessageLog {
  std::array<std::vector<std::string>, 3> lines;

  const std::vector<std::string>& Of(MessageKind kind) const {
    return lines[static_cast<std::size_t>(kind)];
  }

  // Calls `visit` for every line of the message list in order: the
  // information lines, then the warnings, then the errors, each group oldest
  // first and closed by one empty line, which comes with the group's kind. A
  // kind without lines gives nothing, not even the empty line.
  void ForEachListLine(
      const std::function<void(MessageKind, std::string_view)>& visit) const;
};

// Adds a copy of `text` to the list of `kind`.
void LogMessage(MessageLog& log, MessageKind kind, std::string text);

// The texts of the message list, in the order of ForEachListLine.
std::vector<std::string> MessageListLines(const MessageLog& log);

}  // namespace kestrum
