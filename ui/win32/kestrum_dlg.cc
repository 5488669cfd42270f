// SPDX-License-Identifier: MIT
#include "ui/win32/kestrum_dlg.h"

#include <array>
#include <optional>
#include <string>

#include "run/clock.h"
#include "run/conversion_run.h"
#include "run/disk_file_access.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_template.h"
#include "ui/win32/about_dlg.h"
#include "ui/win32/dialog_conversion_ui.h"
#include "ui/win32/file_choosers.h"
#include "ui/win32/help_page.h"
#include "ui/win32/resource_ids.h"

namespace kestrum::win32 {

CKestrumDlg::CKestrumDlg(HINSTANCE instance)
    : instance_(instance),
      icon_(LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME))),
      smallIcon_(static_cast<HICON>(
          LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                     GetSystemMetrics(SM_CXSMICON),
                     GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))) {}

INT_PTR CKestrumDlg::DoModal() {
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_KESTRUM_DIALOG),
                         nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CKestrumDlg::DialogProc(HWND window, UINT message,
                                         WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CKestrumDlg*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    dialog->window_ = window;
    dialog->OnInitDialog();
    return TRUE;  // the dialog manager focuses the first tab stop, "ZR BIN"
  }
  auto* dialog =
      reinterpret_cast<CKestrumDlg*>(GetWindowLongPtrA(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CKestrumDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam) ? TRUE : FALSE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // One of the few messages whose dialog result is the return value.
      return reinterpret_cast<INT_PTR>(icon_);
    default:
      return FALSE;
  }
}

void CKestrumDlg::OnInitDialog() {
  if (HMENU systemMenu = GetSystemMenu(window_, FALSE)) {
    std::array<char, 256> item{};
    if (LoadStringA(instance_, IDS_ABOUTBOX, item.data(),
                    static_cast<int>(item.size())) > 0) {
      AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
      AppendMenuA(systemMenu, MF_STRING, kAboutCommand, item.data());
    }
  }
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(smallIcon_ ? smallIcon_ : icon_));

  // A fresh model holds the options of a new dialog; the boxes show them.
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (const std::optional<bool> checked =
            model_.IsOptionChecked(control.id)) {
      CheckDlgButton(window_, control.id,
                     *checked ? BST_CHECKED : BST_UNCHECKED);
    }
  }
}

void CKestrumDlg::OnCommand(int controlId, int notification) {
  if (notification != BN_CLICKED) return;  // list boxes' news is not used
  switch (controlId) {
    case kChooseInputButton:
      OnChooseInput();
      return;
    case kChooseOutputButton:
      OnChooseOutput();
      return;
    case kConvertButton:  // also Enter, unless a push button has the focus
      OnConvert();
      return;
    case kHelpButton:
      OpenHelpPage(window_);
      return;
    case kExitButton:  // also Escape and the close box
      EndDialog(window_, IDCANCEL);
      return;
    default:
      if (model_.IsOptionChecked(controlId).has_value()) {
        OnOptionClicked(controlId);
      }
      return;
  }
}

void CKestrumDlg::OnChooseInput() {
  const std::optional<std::string> path =
      ChooseInputFile(window_, model_.InputPath());
  if (!path) return;
  model_.AcceptInput(*path);
  ShowPath(kInputList, model_.InputPath());
}

void CKestrumDlg::OnChooseOutput() {
  // Cancelled: the model still holds the output the user accepted before.
  const std::optional<std::string> path =
      ChooseOutputFile(window_, model_.OutputProposal());
  if (!path) return;
  model_.AcceptOutput(*path);
  ShowPath(kOutputList, model_.OutputPath());
}

void CKestrumDlg::OnOptionClicked(int boxId) {
  // The state is read at each click; Convert reads no box.
  model_.ClickOption(boxId,
                     IsDlgButtonChecked(window_, boxId) != BST_UNCHECKED);
}

void CKestrumDlg::OnConvert() {
  DialogConversionUi ui(window_, GetDlgItem(window_, kMessageList));
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment environment{ui, files, clock};
  // What the run reports, it has shown; the dialog adds nothing.
  static_cast<void>(RunConversion(model_.Request(), environment));
}

bool CKestrumDlg::OnSysCommand(WPARAM command) {
  // The low four bits of a system command are the system's own.
  if ((command & 0xfff0) != kAboutCommand) return false;
  ShowAboutBox(instance_, window_);
  return true;
}

bool CKestrumDlg::OnPaint() {
  if (!IsIconic(window_)) return false;
  PAINTSTRUCT paint;
  HDC context = BeginPaint(window_, &paint);
  SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context),
               0);
  RECT client;
  GetClientRect(window_, &client);
  const int left =
      (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int top =
      (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, left, top, icon_);
  EndPaint(window_, &paint);
  return true;
}

void CKestrumDlg::ShowPath(int listId, const std::string& path) {
  // The list always shows exactly the current path.
  const HWND list = GetDlgItem(window_, listId);
  SendMessageA(list, LB_DELETESTRING, 0, 0);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

}  // namespace kestrum::win32
