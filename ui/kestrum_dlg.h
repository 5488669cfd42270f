// SPDX-License-Identifier: MIT
// CKestrumDlg: the program's only working window, "ZR to ADIF". The user
// chooses the log to read and the ADIF file to write, sets the options,
// presses Convert and reads the run's lines in the message list; several
// logs dropped at once are converted one after the other. The window shows
// and forwards; the state and its rules are the DialogModel's, the
// conversion is RunConversion's.
#pragma once

#include <wx/arrstr.h>
#include <wx/dialog.h>
#include <wx/listbox.h>

#include <string>
#include <vector>

#include "run/conversion_run.h"
#include "ui/message_list_ctrl.h"
#include "ui/model/dialog_model.h"

namespace kestrum {

class CKestrumDlg final : public wxDialog {
 public:
  // A top-level dialog without a parent, with the start-up options set and
  // the focus on "ZR BIN"; `log`, when not empty, is chosen as if with the
  // "ZR BIN" button (bytes as the file system names it). The caller runs it
  // with ShowModal; Exit, Escape and the close box end that run.
  explicit CKestrumDlg(const std::string& log = std::string());

 private:
  class LogDropTarget;

  void CreateControls();
  void AddAboutCommand();

  void OnChooseInput(wxCommandEvent& event);
  void OnChooseOutput(wxCommandEvent& event);
  void OnOptionClicked(wxCommandEvent& event);
  void OnConvert(wxCommandEvent& event);
  void OnHelp(wxCommandEvent& event);
  void OnAbout(wxCommandEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnKeyPressed(wxKeyEvent& event);
  void OnClose(wxCloseEvent& event);
  // Returns whether the drop held a log to use.
  bool OnLogDropped(const wxArrayString& paths);

#ifdef __WXMSW__
  WXLRESULT MSWWindowProc(WXUINT message, WXWPARAM wParam,
                          WXLPARAM lParam) override;
#endif

  // What the input chooser, a drop and the command line share; `path` as
  // the file system names it.
  void UseInput(std::string path);
  void ShowPath(wxListBox& list, const std::string& path, const char* what);
  void Convert();
  RunResult RunOnce(const RunRequest& request);
  void ConvertLogs(const std::vector<std::string>& logs);
  void ShowHelp();
  void OnHelpFailed();
  void ShowAbout();

  DialogModel model_;
  wxListBox* inputList_ = nullptr;
  wxListBox* outputList_ = nullptr;
  MessageListCtrl* messageList_ = nullptr;
  // True while a conversion runs: input that reaches the dialog then is
  // ignored.
  bool running_ = false;
  // Help failed while a run was going on: the box comes after it.
  bool helpFailedMeanwhile_ = false;
};

}  // namespace kestrum
