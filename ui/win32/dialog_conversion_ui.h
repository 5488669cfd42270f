// SPDX-License-Identifier: MIT
// What a conversion run shows in the Windows dialog: its error and
// information boxes over the dialog, and its lines in the dialog's message
// list box. Texts go to the system as they are: the log's texts and the
// paths are both 8-bit text in the ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "run/conversion_ui.h"

namespace kestrum::win32 {

class DialogConversionUi final : public ConversionUi {
 public:
  // `owner` is the dialog, `messageList` its list box for the run's lines.
  DialogConversionUi(HWND owner, HWND messageList)
      : owner_(owner), messageList_(messageList) {}

  void ShowErrorBox(std::string_view text) override;
  void ShowInformationBox(std::string_view text) override;
  void ReplaceMessageList(const MessageLog& log) override;

 private:
  HWND owner_;
  HWND messageList_;
};

// `line` as the message list shows it: without the one line feed that may
// end it, which a list box would draw as a box.
std::string ListLine(std::string_view line);

}  // namespace kestrum::win32
