// SPDX-License-Identifier: MIT
#include "ui/model/message_list.h"

#include "base/string_printf.h"
#include "ui/model/dialog_texts.h"

namespace kestrum {

void MessageListContent::AddRun(const MessageLog& log) {
  const std::size_t warnings = log.Of(MessageKind::kWarning).size();
  std::size_t warningsSeen = 0;
  std::size_t warningsLeftOut = 0;
  log.ForEachListLine([&](MessageKind kind, std::string_view line) {
    if (kind == MessageKind::kWarning) {
      // The run's warnings come first, then the empty line that closes them.
      if (warningsSeen++ < warnings) {
        if (warningsKept_ == kShownWarnings) {
          ++warningsLeftOut;
          return;
        }
        ++warningsKept_;
      } else if (warningsLeftOut > 0) {
        AddLine(MessageKind::kWarning,
                StringPrintf(text::kMoreWarnings,
                             static_cast<int>(warningsLeftOut)));
      }
    }
    AddLine(kind, line);
  });
}

void MessageListContent::AddLine(MessageKind kind, std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  lines_.push_back({kind, std::string(text)});
}

void MessageListContent::Clear() {
  lines_.clear();
  warningsKept_ = 0;
}

}  // namespace kestrum
