// SPDX-License-Identifier: MIT
// Several logs converted one after the other, as a drop of several logs on
// the dialog asks: each into its proposed ADIF file (ProposeOutputPath) with
// the same options. The single runs show no message box; the message list
// gathers each log's lines under a line naming the log, and one closing box
// sums the batch up (BatchSummary).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/conversion_options.h"
#include "run/clock.h"
#include "run/file_access.h"
#include "ui/model/message_list.h"

namespace kestrum {

struct BatchOutcome {
  int converted = 0;    // logs whose ADIF file was written
  int refused = 0;      // logs with an invalid header or unknown version
  int failed = 0;       // logs stopped by a file that could not be used
  int qsosWritten = 0;  // contacts in all the ADIF files written
};

// What the window shows while a batch runs.
class BatchUi {
 public:
  virtual ~BatchUi() = default;
  // The message list as it stands after each log.
  virtual void ShowList(const MessageListContent& list) = 0;
  // Log `index` (from 0) of `count` has done `done` of `total` units of work.
  virtual void ShowProgress(std::size_t index, std::size_t count,
                            std::uint64_t done, std::uint64_t total) = 0;
};

// Converts `logs` in turn; `list` is emptied first and then holds, for each
// log, kBatchLogLine and the run's lines. A run's error box, which a failed
// run shows when its own lines do not say what went wrong, becomes an error
// line of that log. One log that fails does not stop the others. Existing
// ADIF files are replaced: the drop is the request.
BatchOutcome ConvertLogs(const std::vector<std::string>& logs,
                         const ConversionOptions& options, FileAccess& files,
                         Clock& clock, MessageListContent& list, BatchUi& ui);

// The closing box's text: "3 logs converted, 1 refused; 245 QSOs written".
std::string BatchSummary(const BatchOutcome& outcome);

}  // namespace kestrum
