// SPDX-License-Identifier: MIT
#include "ui/model/progress_pacer.h"

#include "base/string_printf.h"
#include "ui/model/dialog_model.h"
#include "ui/model/dialog_texts.h"

namespace kestrum {

std::optional<int> ProgressPacer::Update(std::uint64_t done,
                                         std::uint64_t total,
                                         Clock::time_point now) {
  if (now - start_ < kQuietStart) return std::nullopt;
  const int percent = total == 0 || done >= total
                          ? 100
                          : static_cast<int>(static_cast<double>(done) * 100.0 /
                                             static_cast<double>(total));
  if (shown_ && percent == percent_ && now - *shown_ < kInterval) {
    return std::nullopt;
  }
  shown_ = now;
  percent_ = percent;
  return percent;
}

std::string ProgressLine(std::string_view logPath, int percent) {
  return StringPrintf(text::kProgress, std::string(FileNameOf(logPath)).c_str(),
                      percent);
}

std::string BatchProgressLine(std::string_view logPath, std::size_t index,
                              std::size_t count, int percent) {
  return StringPrintf(
      text::kBatchProgress, std::string(FileNameOf(logPath)).c_str(),
      static_cast<int>(index + 1), static_cast<int>(count), percent);
}

}  // namespace kestrum
