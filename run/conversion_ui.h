// SPDX-License-Identifier: MIT
// What a conversion run shows the user: two kinds of message box, the
// message list and the progress of a long run. The dialog shows real boxes,
// the command line prints, the browser page and the tests record.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/message_log.h"

namespace kestrum {

class ConversionUi {
 public:
  virtual ~ConversionUi() = default;
  // A message box with the error icon.
  virtual void ShowErrorBox(std::string_view text) = 0;
  // A message box with the information icon.
  virtual void ShowInformationBox(std::string_view text) = 0;
  // Empties the message list and fills it with the lines of `log`, in the
  // order of MessageLog::ForEachListLine. Every run calls it once, before its
  // closing box, also a run that failed (then perhaps with no line at all),
  // so that the list never shows an earlier run's lines. Texts are 8-bit as
  // the log stores them (code page 1252); a line may end in '\n'.
  virtual void ReplaceMessageList(const MessageLog& log) = 0;
  // Called now and then while the records are converted: `done` of `total`
  // units of work, both growing, done <= total. A window repaints here.
  virtual void ShowProgress(std::uint64_t done, std::uint64_t total) {
    static_cast<void>(done);
    static_cast<void>(total);
  }
};

}  // namespace kestrum
