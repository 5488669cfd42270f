// SPDX-License-Identifier: MIT
#include "ui/kestrum_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/weakref.h>

#include <string>
#include <utility>
#include <vector>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

#include "run/clock.h"
#include "run/disk_file_access.h"
#include "ui/about_dlg.h"
#include "ui/app_icon.h"
#include "ui/dialog_conversion_ui.h"
#include "ui/dialog_units.h"
#include "ui/help_page.h"
#include "ui/message_boxes.h"
#include "ui/model/batch_conversion.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_texts.h"
#include "ui/model/progress_pacer.h"
#include "ui/model/settings.h"
#include "ui/recent_folders.h"
#include "ui/run_feedback.h"
#include "ui/session_trace.h"
#include "ui/wx_strings.h"

namespace kestrum {
namespace {

// A list box that shows one path. Tab skips it: it only displays.
class PathListBox final : public wxListBox {
 public:
  using wxListBox::wxListBox;
  bool AcceptsFocusFromKeyboard() const override { return false; }
};

// The choosers' filters. GTK matches patterns letter case and all, and
// "*.*" only names with a '.', so its patterns spell out both cases and
// "All Files" is "*".
#ifdef __WXGTK__
constexpr char kInputFilter[] = "BIN Files|*.[bB][iI][nN]|All Files|*";
constexpr char kOutputFilter[] =
    "ADIF Files|*.[aA][dD][iI];*.[aA][dD][iI][fF]|All Files|*";
#else
constexpr const char* kInputFilter = text::kInputFilter;
constexpr const char* kOutputFilter = text::kOutputFilter;
#endif

// Pixels a path list keeps free beside its text: the row's padding and
// the frame.
constexpr int kPathMargin = 16;

// Shows a batch's progress and its list after each log.
class BatchWindow final : public BatchUi {
 public:
  BatchWindow(MessageListCtrl& list, RunFeedback& feedback,
              const std::vector<std::string>& logs)
      : list_(list), feedback_(feedback), logs_(logs) {}

  void ShowList(const MessageListContent& content) override {
    list_.ShowContent(content);
    wxYieldIfNeeded();
  }
  void ShowProgress(std::size_t index, std::size_t count, std::uint64_t done,
                    std::uint64_t total) override {
    feedback_.ShowProgress(done, total, [&](int percent) {
      return BatchProgressLine(logs_[index], index, count, percent);
    });
  }

 private:
  MessageListCtrl& list_;
  RunFeedback& feedback_;
  const std::vector<std::string>& logs_;
};

}  // namespace

// Hands files dropped on the dialog to OnLogDropped.
class CKestrumDlg::LogDropTarget final : public wxFileDropTarget {
 public:
  explicit LogDropTarget(CKestrumDlg& dialog) : dialog_(dialog) {}
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& paths) override {
    return dialog_.OnLogDropped(paths);
  }

 private:
  CKestrumDlg& dialog_;
};

CKestrumDlg::CKestrumDlg(const std::string& log) {
  Create(nullptr, wxID_ANY, FromUtf8(MainDialogTemplate().title),
         wxDefaultPosition, wxDefaultSize,
         wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  CreateControls();
  AddAboutCommand();
  SetIcons(ApplicationIcons());

  // Exit, Escape and the close box all end the modal run with
  // wxID_CANCEL through the one escape button.
  SetEscapeId(kExitButton);

  Bind(wxEVT_BUTTON, &CKestrumDlg::OnChooseInput, this, kChooseInputButton);
  Bind(wxEVT_BUTTON, &CKestrumDlg::OnChooseOutput, this, kChooseOutputButton);
  Bind(wxEVT_BUTTON, &CKestrumDlg::OnConvert, this, kConvertButton);
  Bind(wxEVT_BUTTON, &CKestrumDlg::OnHelp, this, kHelpButton);
  Bind(wxEVT_CHECKBOX, &CKestrumDlg::OnOptionClicked, this);
  Bind(wxEVT_MENU, &CKestrumDlg::OnAbout, this, kAboutCommand);
  Bind(wxEVT_CHAR_HOOK, &CKestrumDlg::OnKeyPressed, this);
  Bind(wxEVT_CLOSE_WINDOW, &CKestrumDlg::OnClose, this);

  if (!log.empty()) UseInput(log);
  FindWindow(kChooseInputButton)->SetFocus();
  TraceShown("ready", GetTitle());

  const wxArrayString dropped = TestDropPaths();
  if (!dropped.empty()) CallAfter([this, dropped] { OnLogDropped(dropped); });
}

void CKestrumDlg::CreateControls() {
  const DialogTemplate& layout = MainDialogTemplate();
  // Creation order is tab order.
  for (const ControlTemplate& control : layout.controls) {
    const wxRect place = ToPixels(*this, control.rect);
    const wxPoint at = place.GetPosition();
    const wxSize size = place.GetSize();
    const wxString label = FromUtf8(control.label);
    switch (control.kind) {
      case ControlKind::kPushButton:
        new wxButton(this, control.id, label, at, size);
        break;
      case ControlKind::kDefaultButton: {
        auto* button = new wxButton(this, control.id, label, at, size);
        button->SetDefault();
        // Themes that draw a default button like any other still show
        // which button Enter presses.
        button->SetFont(button->GetFont().Bold());
        break;
      }
      case ControlKind::kCheckBox: {
        auto* box = new wxCheckBox(this, control.id, label, at, size);
        box->SetValue(model_.IsOptionChecked(control.id).value_or(false));
        break;
      }
      case ControlKind::kPathListBox: {
        auto* list = new PathListBox(this, control.id, at, size, 0, nullptr,
                                     wxLB_SINGLE | wxLB_NEEDED_SB);
        (control.id == kInputList ? inputList_ : outputList_) = list;
        break;
      }
      case ControlKind::kMessageListBox:
        messageList_ = new MessageListCtrl(this, control.id, at, size);
        break;
      case ControlKind::kStaticIcon:
      case ControlKind::kStaticText:
      case ControlKind::kVersionText:
        break;
    }
  }
  SetClientSize(ToPixels(*this, {0, 0, layout.width, layout.height}).GetSize());

  // A drop anywhere on the dialog counts, also on its lists, which take
  // drops of their own under GTK.
  SetDropTarget(new LogDropTarget(*this));
  for (wxWindow* list : std::initializer_list<wxWindow*>{
           inputList_, outputList_, messageList_}) {
    list->SetDropTarget(new LogDropTarget(*this));
  }
}

void CKestrumDlg::AddAboutCommand() {
#ifdef __WXMSW__
  // Windows has a window menu: the command goes at its end.
  if (HMENU systemMenu = ::GetSystemMenu(GetHwnd(), FALSE)) {
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, kAboutCommand,
                  FromUtf8(text::kAboutMenuItem).wc_str());
  }
#else
  // GTK has none: a right click on the dialog offers the command instead.
  Bind(wxEVT_CONTEXT_MENU, &CKestrumDlg::OnContextMenu, this);
#endif
}

#ifdef __WXMSW__
WXLRESULT CKestrumDlg::MSWWindowProc(WXUINT message, WXWPARAM wParam,
                                     WXLPARAM lParam) {
  // The low four bits of a system command are the system's own.
  if (message == WM_SYSCOMMAND && (wParam & 0xfff0) == kAboutCommand) {
    if (!running_) ShowAbout();
    return 0;
  }
  return wxDialog::MSWWindowProc(message, wParam, lParam);
}
#endif

void CKestrumDlg::OnChooseInput(wxCommandEvent&) {
  // The chooser starts from the current log, or else in the folder the last
  // log came from.
  wxString folder = RecentFolder(setting::kInputFolder);
  wxString name;
  if (!model_.InputPath().empty()) {
    const wxFileName current(FromFileSystemBytes(model_.InputPath()));
    folder = current.GetPath();
    name = current.GetFullName();
  }
  wxFileDialog chooser(this, FromUtf8(text::kInputChooserTitle), folder, name,
                       FromUtf8(kInputFilter),
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return;
  if (std::optional<std::string> path = ToFileSystemBytes(chooser.GetPath())) {
    RememberFolder(setting::kInputFolder,
                   wxFileName(chooser.GetPath()).GetPath());
    UseInput(std::move(*path));
  }
}

void CKestrumDlg::OnChooseOutput(wxCommandEvent&) {
  // The chooser starts from the output as it stands; without one, in the
  // folder the last ADIF file went to.
  wxFileName start(FromFileSystemBytes(model_.OutputChooserStart()));
  if (!start.HasName()) start.AssignDir(RecentFolder(setting::kOutputFolder));
  for (;;) {
    wxFileDialog chooser(this, FromUtf8(text::kOutputChooserTitle),
                         start.GetPath(), start.GetFullName(),
                         FromUtf8(kOutputFilter),
                         wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    // Cancelled: the output stays as it was.
    if (chooser.ShowModal() != wxID_OK) return;
    const std::optional<std::string> typed =
        ToFileSystemBytes(chooser.GetPath());
    if (!typed) return;
    // A name typed without extension gets ".adi", as the template's default
    // extension asks; the chooser did not ask about that name.
    std::string path = WithAdifExtension(*typed);
    const wxString shown = FromFileSystemBytes(path);
    if (path != *typed && wxFileName::Exists(shown, wxFILE_EXISTS_ANY) &&
        !AskToReplace(this, shown)) {
      start.Assign(shown);
      continue;
    }
    RememberFolder(setting::kOutputFolder, wxFileName(shown).GetPath());
    model_.AcceptOutput(std::move(path));
    ShowPath(*outputList_, model_.OutputPath(), "output");
    return;
  }
}

bool CKestrumDlg::OnLogDropped(const wxArrayString& paths) {
  if (running_) return false;
  // Only files, as the chooser offers: a folder named like a log is none.
  std::vector<std::string> files;
  for (const wxString& path : paths) {
    if (!wxFileName::FileExists(path)) continue;
    if (std::optional<std::string> bytes = ToFileSystemBytes(path)) {
      files.push_back(std::move(*bytes));
    }
  }
  std::vector<std::string> logs = DroppedLogs(files);
  if (logs.empty()) return false;
  if (logs.size() == 1) {
    UseInput(std::move(logs.front()));
  } else {
    // Converted once the drop is over, so that the file manager that
    // dragged them is not kept waiting.
    CallAfter([this, logs] { ConvertLogs(logs); });
  }
  return true;
}

void CKestrumDlg::UseInput(std::string path) {
  model_.AcceptInput(std::move(path));
  ShowPath(*inputList_, model_.InputPath(), "input");
  ShowPath(*outputList_, model_.OutputPath(), "output");
}

void CKestrumDlg::ShowPath(wxListBox& list, const std::string& path,
                           const char* what) {
  // The list shows the stored path, decoded as it will be opened, with its
  // start left out when it is too long, so that the file name shows; the
  // whole path is the tooltip.
  const wxString full = FromFileSystemBytes(path);
  if (full.empty()) {
    list.Clear();
    list.UnsetToolTip();
  } else {
    wxClientDC dc(&list);
    dc.SetFont(list.GetFont());
    list.Set(wxArrayString(
        1, wxControl::Ellipsize(full, dc, wxELLIPSIZE_START,
                                list.GetClientSize().x - kPathMargin)));
    list.SetToolTip(full);
  }
  TraceShown(what, list.GetToolTipText());
  TraceShown((std::string(what) + "-shown").c_str(),
             list.IsEmpty() ? wxString() : list.GetString(0));
}

void CKestrumDlg::OnOptionClicked(wxCommandEvent& event) {
  model_.ClickOption(event.GetId(), event.IsChecked());
  TraceShown("option", wxString::Format("%d %d", event.GetId(),
                                        event.IsChecked() ? 1 : 0));
}

void CKestrumDlg::OnConvert(wxCommandEvent&) { Convert(); }

void CKestrumDlg::Convert() {
  if (running_) return;
  RunResult result = RunOnce(model_.Request());
  if (result.status == RunStatus::kOutputExists) {
    // The proposed output is there already and nobody has said to replace
    // it.
    if (!AskToReplace(this, FromFileSystemBytes(model_.OutputPath()))) return;
    model_.ConfirmOutput();
    result = RunOnce(model_.Request());
  }
  if (result.status == RunStatus::kConverted) model_.ConfirmOutput();
}

RunResult CKestrumDlg::RunOnce(const RunRequest& request) {
  RunResult result;
  {
    RunFeedback feedback(*this, *messageList_, running_);
    DialogConversionUi ui(*this, *messageList_, feedback, request.inputPath);
    DiskFileAccess files;
    SystemClock clock;
    RunEnvironment environment{ui, files, clock};
    // What the run reports, it has shown.
    result = RunConversion(request, environment);
  }
  if (helpFailedMeanwhile_) OnHelpFailed();
  return result;
}

void CKestrumDlg::ConvertLogs(const std::vector<std::string>& logs) {
  if (running_) return;
  BatchOutcome outcome;
  {
    RunFeedback feedback(*this, *messageList_, running_);
    BatchWindow window(*messageList_, feedback, logs);
    MessageListContent content;
    DiskFileAccess files;
    SystemClock clock;
    outcome = kestrum::ConvertLogs(logs, model_.Options(), files, clock,
                                   content, window);
    ShowMessageList(*messageList_, content);
  }
  const wxString summary = FromUtf8(BatchSummary(outcome));
  if (outcome.refused + outcome.failed > 0) {
    ShowErrorBox(this, summary);
  } else {
    ShowInformationBox(this, summary);
  }
  if (helpFailedMeanwhile_) OnHelpFailed();
}

void CKestrumDlg::OnHelp(wxCommandEvent&) { ShowHelp(); }

void CKestrumDlg::ShowHelp() {
  const wxString guide = FindUserGuide();
  if (guide.empty()) {
    ShowErrorBox(this, FromUtf8(text::kGuideNotFound));
    return;
  }
  wxWeakRef<CKestrumDlg> dialog(this);
  OpenInBrowser(guide, [dialog] {
    if (dialog) dialog->CallAfter(&CKestrumDlg::OnHelpFailed);
  });
}

void CKestrumDlg::OnHelpFailed() {
  helpFailedMeanwhile_ = running_;
  if (!running_) ShowErrorBox(this, FromUtf8(text::kBrowserNotStarted));
}

void CKestrumDlg::OnContextMenu(wxContextMenuEvent&) {
  if (running_) return;
  wxMenu menu;
  menu.Append(kAboutCommand, FromUtf8(text::kAboutMenuItem));
  PopupMenu(&menu);
}

void CKestrumDlg::OnAbout(wxCommandEvent&) { ShowAbout(); }

void CKestrumDlg::ShowAbout() {
  CAboutDlg about(this);
  TraceShown("about", about.GetTitle());
  about.ShowModal();
}

void CKestrumDlg::OnKeyPressed(wxKeyEvent& event) {
  // Keys pressed during a run are dropped, Escape too.
  if (running_) return;
  const int key = event.GetKeyCode();
  if (!event.HasAnyModifiers()) {
    // Enter runs Convert unless another push button has the focus, which
    // then takes the key itself. GTK would let a focused check box eat it.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) &&
        dynamic_cast<wxButton*>(FindFocus()) == nullptr) {
      Convert();
      return;
    }
    if (key == WXK_F1) {
      ShowHelp();
      return;
    }
  }
  event.Skip();
}

void CKestrumDlg::OnClose(wxCloseEvent& event) {
  if (running_ && event.CanVeto()) {
    event.Veto();
    return;
  }
  event.Skip();
}

}  // namespace kestrum
