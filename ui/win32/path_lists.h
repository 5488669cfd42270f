// SPDX-License-Identifier: MIT
// The main dialog's two path lists on Windows (list boxes 1001 and 1002,
// owner-drawn): each shows one path, shortened in the middle when it is too
// long so that the file name stays in view, with the whole path as its
// tooltip. The list keeps the whole path as its one line.
#pragma once

#include <windows.h>

#include <string>

namespace kestrum::win32 {

class PathLists {
 public:
  // Makes the tooltips of the two lists of `dialog`.
  explicit PathLists(HWND dialog);
  PathLists(const PathLists&) = delete;
  PathLists& operator=(const PathLists&) = delete;

  // Shows `path` (ANSI code page) in list `listId`; empty shows nothing.
  void Show(int listId, const std::string& path);

  // The height of a line, for WM_MEASUREITEM: the dialog font's and a
  // little room.
  static UINT LineHeight(HWND dialog);

  // Draws the line, for WM_DRAWITEM.
  static void DrawLine(const DRAWITEMSTRUCT& item);

 private:
  HWND dialog_;
  HWND tooltips_ = nullptr;
};

// The height in pixels of a line of text in the font of `dialog`.
int DialogTextHeight(HWND dialog);

}  // namespace kestrum::win32
