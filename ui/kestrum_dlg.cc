// SPDX-License-Identifier: MIT
#include "ui/kestrum_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include <string>
#include <utility>
#include <vector>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

#include "run/clock.h"
#include "run/conversion_run.h"
#include "run/disk_file_access.h"
#include "ui/about_dlg.h"
#include "ui/app_icon.h"
#include "ui/dialog_conversion_ui.h"
#include "ui/dialog_units.h"
#include "ui/help_page.h"
#include "ui/message_boxes.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_texts.h"
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

CKestrumDlg::CKestrumDlg() {
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

  FindWindow(kChooseInputButton)->SetFocus();
  TraceShown("ready", GetTitle());
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
      case ControlKind::kDefaultButton:
        (new wxButton(this, control.id, label, at, size))->SetDefault();
        break;
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
        messageList_ = new wxListBox(this, control.id, at, size, 0, nullptr,
                                     wxLB_SINGLE | wxLB_NEEDED_SB);
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
  for (wxListBox* list : {inputList_, outputList_, messageList_}) {
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
    ShowAbout();
    return 0;
  }
  return wxDialog::MSWWindowProc(message, wParam, lParam);
}
#endif

void CKestrumDlg::OnChooseInput(wxCommandEvent&) {
  // The chooser starts from the current input, if any.
  const wxFileName current(FromFileSystemBytes(model_.InputPath()));
  wxFileDialog chooser(this, FromUtf8(text::kInputChooserTitle),
                       current.GetPath(), current.GetFullName(),
                       FromUtf8(text::kInputFilter),
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return;
  if (std::optional<std::string> path = ToFileSystemBytes(chooser.GetPath())) {
    UseInput(std::move(*path));
  }
}

void CKestrumDlg::OnChooseOutput(wxCommandEvent&) {
  const wxFileName proposal(FromFileSystemBytes(model_.OutputProposal()));
  wxFileDialog chooser(this, FromUtf8(text::kOutputChooserTitle),
                       proposal.GetPath(), proposal.GetFullName(),
                       FromUtf8(text::kOutputFilter),
                       wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  // Cancelled: the model still holds the output the user accepted before.
  if (chooser.ShowModal() != wxID_OK) return;
  const std::optional<std::string> path = ToFileSystemBytes(chooser.GetPath());
  if (!path) return;
  model_.AcceptOutput(*path);
  ShowPath(*outputList_, model_.OutputPath(), "output");
}

bool CKestrumDlg::OnLogDropped(const wxArrayString& paths) {
  // Only files, as the chooser offers: a folder named like a log is none.
  std::vector<std::string> files;
  for (const wxString& path : paths) {
    if (!wxFileName::FileExists(path)) continue;
    if (std::optional<std::string> bytes = ToFileSystemBytes(path)) {
      files.push_back(std::move(*bytes));
    }
  }
  std::optional<std::string> log = PickDroppedLog(files);
  if (!log) return false;
  UseInput(std::move(*log));
  return true;
}

void CKestrumDlg::UseInput(std::string path) {
  model_.AcceptInput(std::move(path));
  ShowPath(*inputList_, model_.InputPath(), "input");
}

void CKestrumDlg::ShowPath(wxListBox& list, const std::string& path,
                           const char* what) {
  // The list shows exactly the stored path, decoded as it will be opened.
  list.Set(wxArrayString(1, FromFileSystemBytes(path)));
  TraceShown(what, list.GetString(0));
}

void CKestrumDlg::OnOptionClicked(wxCommandEvent& event) {
  model_.ClickOption(event.GetId(), event.IsChecked());
  TraceShown("option", wxString::Format("%d %d", event.GetId(),
                                        event.IsChecked() ? 1 : 0));
}

void CKestrumDlg::OnConvert(wxCommandEvent&) { Convert(); }

void CKestrumDlg::Convert() {
  DialogConversionUi ui(*this, *messageList_);
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment environment{ui, files, clock};
  // What the run reports, it has shown; the dialog adds nothing.
  static_cast<void>(RunConversion(model_.Request(), environment));
}

void CKestrumDlg::OnHelp(wxCommandEvent&) { ShowHelp(); }

void CKestrumDlg::ShowHelp() {
  const wxString guide = FindUserGuide();
  if (guide.empty()) {
    ShowErrorBox(this, FromUtf8(text::kGuideNotFound));
  } else if (!OpenInBrowser(guide)) {
    ShowErrorBox(this, FromUtf8(text::kBrowserNotStarted));
  }
}

void CKestrumDlg::OnContextMenu(wxContextMenuEvent&) {
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

}  // namespace kestrum
