// SPDX-License-Identifier: MIT
// What a conversion in the browser showed, kept for the page to read after
// the run: the message list with the kind of each line, and the text of the
// closing message box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/message_log.h"
#include "run/conversion_ui.h"

namespace kestrum::web {

struct ListLine {
  MessageKind kind = MessageKind::kInformation;
  std::string text;  // code page 1252, as the run wrote it
};

class RecordingUi final : public ConversionUi {
 public:
  void ShowErrorBox(std::string_view text) override;
  void ShowInformationBox(std::string_view text) override;
  void ReplaceMessageList(const MessageLog& log) override;

  // The message list of the run, in the dialog's order and with its empty
  // lines.
  const std::vector<ListLine>& Lines() const { return lines_; }
  // The text of the last message box; empty if none was shown.
  const std::string& Report() const { return report_; }

 private:
  std::vector<ListLine> lines_;
  std::string report_;
};

}  // namespace kestrum::web
