// SPDX-License-Identifier: MIT
#include "ui/win32/kestrum_dlg.h"

#include <shellapi.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "run/clock.h"
#include "run/disk_file_access.h"
#include "ui/model/batch_conversion.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_template.h"
#include "ui/model/dialog_texts.h"
#include "ui/model/progress_pacer.h"
#include "ui/model/settings.h"
#include "ui/win32/about_dlg.h"
#include "ui/win32/dialog_conversion_ui.h"
#include "ui/win32/file_choosers.h"
#include "ui/win32/help_page.h"
#include "ui/win32/message_boxes.h"
#include "ui/win32/recent_folders.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/run_feedback.h"

namespace kestrum::win32 {
namespace {

// Posted to itself at start when KESTRUM_UI_DROP is set: the desktop test,
// which cannot drag files onto the dialog from another process, names there
// the files to take as dropped, one per line.
constexpr UINT kTestDropMessage = WM_APP + 1;
constexpr char kTestDropVariable[] = "KESTRUM_UI_DROP";

// The message list's context menu.
constexpr UINT kCopyCommand = 1;
constexpr UINT kSelectAllCommand = 2;

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Shows a batch's progress and its list after each log.
class BatchWindow final : public BatchUi {
 public:
  BatchWindow(MessageListBox& list, RunFeedback& feedback,
              const std::vector<std::string>& logs)
      : list_(list), feedback_(feedback), logs_(logs) {}

  void ShowList(const MessageListContent& content) override {
    list_.Show(content);
  }
  void ShowProgress(std::size_t index, std::size_t count, std::uint64_t done,
                    std::uint64_t total) override {
    feedback_.ShowProgress(done, total, [&](int percent) {
      return BatchProgressLine(logs_[index], index, count, percent);
    });
  }

 private:
  MessageListBox& list_;
  RunFeedback& feedback_;
  const std::vector<std::string>& logs_;
};

}  // namespace

CKestrumDlg::CKestrumDlg(HINSTANCE instance, std::string log)
    : instance_(instance),
      startLog_(std::move(log)),
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
  if (message == WM_MEASUREITEM) {
    // Comes while the template's lists are made, before WM_INITDIALOG.
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    item.itemHeight = item.CtlID == kMessageList
                          ? MessageListBox::LineHeight(window)
                          : PathLists::LineHeight(window);
    return TRUE;
  }
  auto* dialog =
      reinterpret_cast<CKestrumDlg*>(GetWindowLongPtrA(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CKestrumDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID == kMessageList) {
        MessageListBox::DrawLine(item);
      } else {
        PathLists::DrawLine(item);
      }
      return TRUE;
    }
    case WM_VKEYTOITEM:
      // Its answer is the return value too.
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(window_, kMessageList)) {
        return OnListKey(LOWORD(wParam));
      }
      return -1;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return TRUE;
    case WM_SETCURSOR:
      if (!running_) return FALSE;
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      SetWindowLongPtrA(window_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case kTestDropMessage: {
      std::vector<std::string> paths;
      const char* dropped = std::getenv(kTestDropVariable);
      for (std::string_view rest = dropped ? dropped : ""; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        paths.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size()
                                                         : end + 1);
      }
      OnLogsDropped(paths);
      return TRUE;
    }
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
  pathLists_ = std::make_unique<PathLists>(window_);
  messageList_ =
      std::make_unique<MessageListBox>(GetDlgItem(window_, kMessageList));
  DragAcceptFiles(window_, TRUE);
  if (!startLog_.empty()) UseInput(std::move(startLog_));
  if (std::getenv(kTestDropVariable) != nullptr) {
    PostMessageA(window_, kTestDropMessage, 0, 0);
  }
}

void CKestrumDlg::OnCommand(int controlId, int notification) {
  if (notification != BN_CLICKED || running_) return;
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
  const std::optional<std::string> path = ChooseInputFile(
      window_, model_.InputPath(), RecentFolder(setting::kInputFolder));
  if (!path) return;
  RememberFolder(setting::kInputFolder, FolderOf(*path));
  UseInput(*path);
}

void CKestrumDlg::OnChooseOutput() {
  // Cancelled: the output stays as it was.
  const std::optional<std::string> path =
      ChooseOutputFile(window_, model_.OutputChooserStart(),
                       RecentFolder(setting::kOutputFolder));
  if (!path) return;
  RememberFolder(setting::kOutputFolder, FolderOf(*path));
  model_.AcceptOutput(*path);
  pathLists_->Show(kOutputList, model_.OutputPath());
}

void CKestrumDlg::UseInput(std::string path) {
  model_.AcceptInput(std::move(path));
  pathLists_->Show(kInputList, model_.InputPath());
  pathLists_->Show(kOutputList, model_.OutputPath());
}

void CKestrumDlg::OnOptionClicked(int boxId) {
  // The state is read at each click; Convert reads no box.
  model_.ClickOption(boxId,
                     IsDlgButtonChecked(window_, boxId) != BST_UNCHECKED);
}

void CKestrumDlg::OnConvert() {
  RunResult result = RunOnce(model_.Request());
  if (result.status == RunStatus::kOutputExists) {
    // The proposed output is there already and nobody has said to replace
    // it.
    if (!AskToReplace(window_, model_.OutputPath())) return;
    model_.ConfirmOutput();
    result = RunOnce(model_.Request());
  }
  if (result.status == RunStatus::kConverted) model_.ConfirmOutput();
}

RunResult CKestrumDlg::RunOnce(const RunRequest& request) {
  RunFeedback feedback(window_, *messageList_, running_);
  DialogConversionUi ui(window_, *messageList_, feedback, request.inputPath);
  DiskFileAccess files;
  SystemClock clock;
  RunEnvironment environment{ui, files, clock};
  // What the run reports, it has shown.
  return RunConversion(request, environment);
}

void CKestrumDlg::OnDropFiles(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xffffffff, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::array<char, MAX_PATH> path{};
    if (DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()))) {
      paths.emplace_back(path.data());
    }
  }
  DragFinish(drop);
  OnLogsDropped(paths);
}

void CKestrumDlg::OnLogsDropped(const std::vector<std::string>& paths) {
  if (running_) return;
  // Only files, as the chooser offers: a folder named like a log is none.
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    if (IsFile(path)) files.push_back(path);
  }
  std::vector<std::string> logs = DroppedLogs(files);
  if (logs.size() == 1) UseInput(std::move(logs.front()));
  if (logs.size() > 1) ConvertLogs(logs);
}

void CKestrumDlg::ConvertLogs(const std::vector<std::string>& logs) {
  BatchOutcome outcome;
  {
    RunFeedback feedback(window_, *messageList_, running_);
    BatchWindow window(*messageList_, feedback, logs);
    MessageListContent content;
    DiskFileAccess files;
    SystemClock clock;
    outcome = kestrum::ConvertLogs(logs, model_.Options(), files, clock,
                                   content, window);
  }
  const std::string summary = BatchSummary(outcome);
  if (outcome.refused + outcome.failed > 0) {
    ShowErrorBox(window_, summary);
  } else {
    ShowInformationBox(window_, summary);
  }
}

void CKestrumDlg::OnContextMenu(HWND window, LPARAM position) {
  const HWND list = GetDlgItem(window_, kMessageList);
  if (window != list || running_) return;
  POINT at{static_cast<short>(LOWORD(position)),
           static_cast<short>(HIWORD(position))};
  if (position == -1) {  // from the keyboard: at the list's corner
    RECT place;
    GetWindowRect(list, &place);
    at = {place.left, place.top};
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  const bool anySelected = SendMessageA(list, LB_GETSELCOUNT, 0, 0) > 0;
  AppendMenuA(menu, MF_STRING | (anySelected ? 0u : MF_GRAYED), kCopyCommand,
              text::kCopyCommand);
  AppendMenuA(menu, MF_STRING, kSelectAllCommand, text::kSelectAllCommand);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) messageList_->CopySelection(window_);
  if (chosen == kSelectAllCommand) messageList_->SelectAll();
}

INT_PTR CKestrumDlg::OnListKey(WORD key) {
  if ((GetKeyState(VK_CONTROL) & 0x8000) == 0) return -1;
  if (key == 'C' || key == VK_INSERT) {
    messageList_->CopySelection(window_);
    return -2;
  }
  if (key == 'A') {
    messageList_->SelectAll();
    return -2;
  }
  return -1;
}

bool CKestrumDlg::OnSysCommand(WPARAM command) {
  // The low four bits of a system command are the system's own.
  if ((command & 0xfff0) != kAboutCommand || running_) return false;
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

}  // namespace kestrum::win32
