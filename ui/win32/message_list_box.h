// SPDX-License-Identifier: MIT
// The main dialog's message list on Windows (list box 1013, owner-drawn,
// several lines selectable): the lines of a MessageListContent, warnings
// and errors with the system's icon and a colour, each line's kind kept as
// its item data; while a long run goes on, a last line with its progress.
// The lines are 8-bit text in the ANSI code page, as the run gives them.
#pragma once

#include <windows.h>

#include <string>

#include "ui/model/message_list.h"

namespace kestrum::win32 {

class MessageListBox {
 public:
  explicit MessageListBox(HWND list) : list_(list) {}

  // Shows the lines of `content`, with no progress line.
  void Show(const MessageListContent& content);

  // Shows `line` below the lines as they stand and scrolls it into view.
  void ShowProgressLine(const std::string& line);

  void SelectAll();

  // Puts the selected lines on the clipboard, each ended by CR LF; false
  // when no line is selected or the clipboard could not be used.
  bool CopySelection(HWND owner);

  // The height of a line, for WM_MEASUREITEM: the font's, and room for a
  // small icon.
  static UINT LineHeight(HWND dialog);

  // Draws one line, for WM_DRAWITEM.
  static void DrawLine(const DRAWITEMSTRUCT& item);

 private:
  HWND list_;
  bool progressShown_ = false;
};

}  // namespace kestrum::win32
