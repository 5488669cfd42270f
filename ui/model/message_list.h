// SPDX-License-Identifier: MIT
// MessageListContent: the lines the dialog's message list shows, each with
// its kind, so that the window can mark warnings and errors. It holds the
// lines of one run, or of several runs each under a line naming its log.
//
// A very large log can draw a warning for nearly every contact. The list
// keeps the first kShownWarnings warnings of all its runs and, for a run
// with more, a last warning line telling how many more there were, so the
// window stays quick and small whatever the log. Information and error
// lines, a few per run, are always kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_log.h"

namespace kestrum {

struct ShownLine {
  MessageKind kind = MessageKind::kInformation;
  // The run's line as it gave it, without the line feed that may end it;
  // DisplayTextOf tells how to decode it.
  std::string text;
};

class MessageListContent {
 public:
  // How many warning lines the list keeps at most.
  static constexpr std::size_t kShownWarnings = 10000;

  // Appends the lines of `log` in the order of MessageLog::ForEachListLine,
  // warnings past the limit left out and counted.
  void AddRun(const MessageLog& log);

  // Appends one line of the dialog's own, such as the line naming a log.
  void AddLine(MessageKind kind, std::string_view text);

  void Clear();

  const std::vector<ShownLine>& Lines() const { return lines_; }

 private:
  std::vector<ShownLine> lines_;
  std::size_t warningsKept_ = 0;
};

}  // namespace kestrum
