// SPDX-License-Identifier: MIT
// CKestrumDlg: the main dialog on the Windows dialog manager, made from
// dialog template 102 of kestrum.rc. It forwards what the user does to the
// toolkit-neutral DialogModel (ui/model), which holds the files, the
// options and what every conversion run reuses, and shows what the model
// and the runs report.
#pragma once

#include <windows.h>

#include "ui/model/dialog_model.h"

namespace kestrum::win32 {

class CKestrumDlg {
 public:
  explicit CKestrumDlg(HINSTANCE instance);
  CKestrumDlg(const CKestrumDlg&) = delete;
  CKestrumDlg& operator=(const CKestrumDlg&) = delete;

  // Runs the dialog modally, with no owner, until Exit, Escape or the close
  // box ends it. Returns IDCANCEL, or -1 when the dialog could not be made.
  INT_PTR DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  // Returns TRUE for a message it handled, FALSE for the dialog manager's
  // default handling.
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog();
  void OnCommand(int controlId, int notification);
  void OnChooseInput();
  void OnChooseOutput();
  void OnOptionClicked(int boxId);
  void OnConvert();
  bool OnSysCommand(WPARAM command);
  bool OnPaint();

  // Shows `path` as the one line of path list box `listId`.
  void ShowPath(int listId, const std::string& path);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HICON icon_;
  HICON smallIcon_;
  DialogModel model_;
};

}  // namespace kestrum::win32
