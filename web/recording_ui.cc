// SPDX-License-Identifier: MIT
#include "web/recording_ui.h"

namespace kestrum::web {

void RecordingUi::ShowErrorBox(std::string_view text) { report_ = text; }

void RecordingUi::ShowInformationBox(std::string_view text) { report_ = text; }

void RecordingUi::ReplaceMessageList(const MessageLog& log) {
  lines_.clear();
  log.ForEachListLine([this](MessageKind kind, std::string_view line) {
    lines_.push_back({kind, std::string(line)});
  });
}

}  // namespace kestrum::web
