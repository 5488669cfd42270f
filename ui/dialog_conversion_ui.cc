// SPDX-License-Identifier: MIT
#include "ui/dialog_conversion_ui.h"

#include "ui/message_boxes.h"
#include "ui/model/progress_pacer.h"
#include "ui/session_trace.h"
#include "ui/wx_strings.h"

namespace kestrum {
namespace {

const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return "warning";
    case MessageKind::kError:
      return "error";
    case MessageKind::kInformation:
      break;
  }
  return "information";
}

}  // namespace

void ShowMessageList(MessageListCtrl& list, const MessageListContent& content) {
  list.ShowContent(content);
  // What the list holds now, read back from the control itself.
  const long count = list.GetItemCount();
  TraceShown("messages", wxString::Format("%ld", count));
  for (long row = 0; row < count; ++row) {
    TraceShown("message", wxString(KindName(list.LineKind(row))) + '\t' +
                              list.LineText(row));
  }
}

void DialogConversionUi::ShowErrorBox(std::string_view text) {
  feedback_.End();
  kestrum::ShowErrorBox(&owner_, ToDisplayString(text));
}

void DialogConversionUi::ShowInformationBox(std::string_view text) {
  feedback_.End();
  kestrum::ShowInformationBox(&owner_, ToDisplayString(text));
}

void DialogConversionUi::ReplaceMessageList(const MessageLog& log) {
  MessageListContent content;
  content.AddRun(log);
  ShowMessageList(messageList_, content);
}

void DialogConversionUi::ShowProgress(std::uint64_t done, std::uint64_t total) {
  feedback_.ShowProgress(done, total, [this](int percent) {
    return ProgressLine(logPath_, percent);
  });
}

}  // namespace kestrum
