// SPDX-License-Identifier: MIT
// What a conversion run shows, shown by the main dialog: real message boxes
// and the dialog's message list.
#pragma once

#include <wx/listbox.h>
#include <wx/window.h>

#include <string>
#include <string_view>
#include <vector>

#include "run/conversion_ui.h"

namespace kestrum {

class DialogConversionUi final : public ConversionUi {
 public:
  // `owner` owns the boxes; `messageList` shows the run's lines. Both
  // outlive this object.
  DialogConversionUi(wxWindow& owner, wxListBox& messageList)
      : owner_(owner), messageList_(messageList) {}

  void ShowErrorBox(std::string_view text) override;
  void ShowInformationBox(std::string_view text) override;
  void ReplaceMessageList(const MessageLog& log) override;

 private:
  wxWindow& owner_;
  wxListBox& messageList_;
};

}  // namespace kestrum
