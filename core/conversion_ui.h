// SPDX-License-Identifier: MIT
// What a conversion run shows the user: two kinds of message box and the
// message list. The dialog shows real boxes, the command line prints, tests
// record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

class ConversionUi {
 public:
  virtual ~ConversionUi() = default;
  // A message box with the error icon.
  virtual void ShowErrorBox(std::string_view text) = 0;
  // A message box with the information icon.
  virtual void ShowInformationBox(std::string_view text) = 0;
  // Empties the message list and fills it with `lines`, in order. Texts are
  // 8-bit as the log stores them (code page 1252); a line may end in '\n'.
  virtual void ReplaceMessageList(const std::vector<std::string>& lines) = 0;
};

}  // namespace kestrum
