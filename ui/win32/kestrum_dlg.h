// SPDX-License-Identifier: MIT
// CKestrumDlg: the main dialog on the Windows dialog manager, made from
// dialog template 102 of kestrum.rc. It forwards what the user does to the
// toolkit-neutral DialogModel (ui/model), which holds the files and the
// options, and shows what the model and the runs report. Logs dropped on
// it are chosen (one) or converted one after the other (several).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "run/conversion_run.h"
#include "ui/model/dialog_model.h"
#include "ui/win32/message_list_box.h"
#include "ui/win32/path_lists.h"

namespace kestrum::win32 {

class CKestrumDlg {
 public:
  // `log`, when not empty, is chosen at start as if with the "ZR BIN"
  // button (a full path in the ANSI code page).
  explicit CKestrumDlg(HINSTANCE instance, std::string log = std::string());
  CKestrumDlg(const CKestrumDlg&) = delete;
  CKestrumDlg& operator=(const CKestrumDlg&) = delete;

  // Runs the dialog modally, with no owner, until Exit, Escape or the close
  // box ends it. Returns IDCANCEL, or -1 when the dialog could not be made.
  INT_PTR DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  // Returns TRUE for a message it handled, FALSE for the dialog manager's
  // default handling; a few messages return their result instead.
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog();
  void OnCommand(int controlId, int notification);
  void OnChooseInput();
  void OnChooseOutput();
  void OnOptionClicked(int boxId);
  void OnConvert();
  bool OnSysCommand(WPARAM command);
  bool OnPaint();
  void OnDropFiles(HDROP drop);
  void OnContextMenu(HWND window, LPARAM position);
  // The message list's keys: Ctrl+C copies, Ctrl+A selects all. Returns
  // the list box's answer to WM_VKEYTOITEM.
  INT_PTR OnListKey(WORD key);

  // What the input chooser, a drop and the command line share.
  void UseInput(std::string path);
  void OnLogsDropped(const std::vector<std::string>& paths);
  RunResult RunOnce(const RunRequest& request);
  void ConvertLogs(const std::vector<std::string>& logs);

  HINSTANCE instance_;
  std::string startLog_;
  HWND window_ = nullptr;
  HICON icon_;
  HICON smallIcon_;
  DialogModel model_;
  std::unique_ptr<PathLists> pathLists_;
  std::unique_ptr<MessageListBox> messageList_;
  // True while a conversion runs: the wait cursor stays, and commands that
  // still reach the dialog are ignored.
  bool running_ = false;
};

}  // namespace kestrum::win32
