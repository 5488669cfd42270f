// SPDX-License-Identifier: MIT
#include "ui/dialog_conversion_ui.h"

#include <wx/arrstr.h>

#include "ui/message_boxes.h"
#include "ui/session_trace.h"
#include "ui/wx_strings.h"

namespace kestrum {

void DialogConversionUi::ShowErrorBox(std::string_view text) {
  kestrum::ShowErrorBox(&owner_, ToDisplayString(text));
}

void DialogConversionUi::ShowInformationBox(std::string_view text) {
  kestrum::ShowInformationBox(&owner_, ToDisplayString(text));
}

void DialogConversionUi::ReplaceMessageList(const MessageLog& log) {
  wxArrayString shown;
  for (const DisplayText& line : MessageListDisplay(MessageListLines(log))) {
    shown.push_back(ToWxString(line));
  }
  messageList_.Set(shown);
  // What the list holds now, read back from the control itself.
  TraceShown("messages", wxString::Format("%u", messageList_.GetCount()));
  for (unsigned i = 0; i < messageList_.GetCount(); ++i) {
    TraceShown("message", messageList_.GetString(i));
  }
}

}  // namespace kestrum
