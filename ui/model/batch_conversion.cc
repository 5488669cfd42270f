// SPDX-License-Identifier: MIT
#include "ui/model/batch_conversion.h"

#include <string_view>

#include "base/string_printf.h"
#include "run/conversion_run.h"
#include "run/conversion_ui.h"
#include "ui/model/dialog_model.h"
#include "ui/model/dialog_texts.h"

namespace kestrum {
namespace {

// One run of the batch: its lines go into the batch's list, its progress to
// the batch's window, and its boxes are held back.
class BatchRunUi final : public ConversionUi {
 public:
  BatchRunUi(MessageListContent& list, BatchUi& ui, std::size_t index,
             std::size_t count)
      : list_(list), ui_(ui), index_(index), count_(count) {}

  void ShowErrorBox(std::string_view text) override {
    // A run that failed before its log was read has no line saying why.
    if (errorLines_ == 0) {
      list_.AddLine(MessageKind::kError, text);
      list_.AddLine(MessageKind::kError, "");
    }
  }
  void ShowInformationBox(std::string_view) override {}
  void ReplaceMessageList(const MessageLog& log) override {
    errorLines_ = log.Of(MessageKind::kError).size();
    list_.AddRun(log);
  }
  void ShowProgress(std::uint64_t done, std::uint64_t total) override {
    ui_.ShowProgress(index_, count_, done, total);
  }

 private:
  MessageListContent& list_;
  BatchUi& ui_;
  std::size_t index_;
  std::size_t count_;
  std::size_t errorLines_ = 0;
};

}  // namespace

BatchOutcome ConvertLogs(const std::vector<std::string>& logs,
                         const ConversionOptions& options, FileAccess& files,
                         Clock& clock, MessageListContent& list, BatchUi& ui) {
  list.Clear();
  BatchOutcome outcome;
  for (std::size_t i = 0; i < logs.size(); ++i) {
    list.AddLine(MessageKind::kInformation,
                 StringPrintf(text::kBatchLogLine, logs[i].c_str()));
    BatchRunUi runUi(list, ui, i, logs.size());
    RunEnvironment environment{runUi, files, clock};
    const RunRequest request{logs[i], ProposeOutputPath(logs[i]), options,
                             true};
    const RunResult result = RunConversion(request, environment);
    switch (result.status) {
      case RunStatus::kConverted:
        ++outcome.converted;
        outcome.qsosWritten += result.qsosWritten;
        break;
      case RunStatus::kLogRefused:
        ++outcome.refused;
        break;
      default:
        ++outcome.failed;
        break;
    }
    ui.ShowList(list);
  }
  return outcome;
}

std::string BatchSummary(const BatchOutcome& outcome) {
  std::string summary = StringPrintf(text::kBatchConverted, outcome.converted,
                                     outcome.converted == 1 ? "" : "s");
  if (outcome.refused > 0) {
    summary += StringPrintf(text::kBatchRefused, outcome.refused);
  }
  if (outcome.failed > 0) {
    summary += StringPrintf(text::kBatchFailed, outcome.failed);
  }
  summary += StringPrintf(text::kBatchQsos, outcome.qsosWritten);
  return summary;
}

}  // namespace kestrum
