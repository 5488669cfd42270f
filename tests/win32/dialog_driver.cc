// SPDX-License-Identifier: MIT
// Drives Kestrum.exe as a user would, from another process, through the
// window messages its controls answer: the desktop test of the Windows
// dialog, run under Wine in a virtual X display by tools/windows-ci.sh.
//
//   dialog_driver KESTRUM_EXE FOLDER LOG [--click ID]... [--screenshot BMP]
//   dialog_driver KESTRUM_EXE FOLDER --layout [BMP]
//
// Starts the program in FOLDER, checks the fresh dialog, chooses LOG (a
// file name in FOLDER) and FOLDER\chosen.adi through the two file choosers,
// clicks the given option boxes, converts, and then checks the closing box,
// the message list, a cancelled output chooser, Help, the about box from
// the system menu and Exit. Prints the message list, one line each, and
// the closing box's text, as kestrum-convert prints them; exits with 0 when
// every check held. Each failed check prints a line beginning
// "dialog test: ". With --layout, on a screen set to 150 %, it checks only
// that the dialog and its about box show every control and text whole.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "base/string_printf.h"
#include "core/messages.h"
#include "tests/support/log_builder.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_template.h"
#include "ui/model/dialog_texts.h"

namespace {

using namespace kestrum;

// Message boxes carry the program's name.
constexpr const char* kBoxCaption = text::kProgramTitle;

int failures = 0;

void Check(bool holds, const std::string& what) {
  if (holds) return;
  ++failures;
  std::printf("dialog test: %s\n", what.c_str());
  std::fflush(stdout);
}

[[noreturn]] void Stop(const std::string& what) {
  std::printf("dialog test: %s; stopping\n", what.c_str());
  std::exit(1);
}

DWORD programProcess = 0;

// The first visible top-level window of the program with `title`, waited
// for up to 20 seconds.
HWND WaitForWindow(const std::string& title) {
  for (int tries = 0; tries < 400; ++tries) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, "#32770", title.c_str()))) {
      DWORD process = 0;
      GetWindowThreadProcessId(found, &process);
      if (process == programProcess && IsWindowVisible(found)) return found;
    }
    Sleep(50);
  }
  Stop("no window \"" + title + "\" appeared");
}

void WaitUntilGone(HWND window, const std::string& what) {
  for (int tries = 0; tries < 400 && IsWindow(window); ++tries) Sleep(50);
  if (IsWindow(window)) Stop(what + " did not close");
}

// Asks the control itself: GetWindowText does not, for windows of other
// processes.
std::string WindowText(HWND window) {
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += "[" + line + "]";
  return joined;
}

// The visible static text controls of a dialog, in child order.
std::vector<HWND> StaticTextControls(HWND dialog) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(className, "Static") == 0 && IsWindowVisible(child) &&
        (style & SS_TYPEMASK) != SS_ICON) {
      controls.push_back(child);
    }
  }
  return controls;
}

// Texts of the visible static text controls of a dialog, in child order.
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND control : StaticTextControls(dialog)) {
    const std::string text = WindowText(control);
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

// The texts of a dialog's labels, buttons and check boxes that its font
// does not fit into, and the controls that reach past the dialog's client
// area. The font is made as the dialog manager makes it from the templates'
// "MS Shell Dlg", 8 points, at the screen's resolution: another process's
// font handle cannot be used here.
std::vector<std::string> CutTexts(HWND dialog) {
  HDC dc = GetDC(dialog);
  const HFONT font = CreateFontA(
      -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
      DEFAULT_QUALITY, DEFAULT_PITCH, "MS Shell Dlg");
  const HGDIOBJ oldFont = SelectObject(dc, font);
  RECT client = {};
  GetClientRect(dialog, &client);
  std::vector<std::string> cut;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::string text = WindowText(child);
    RECT place = {};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    if (place.left < 0 || place.top < 0 || place.right > client.right ||
        place.bottom > client.bottom) {
      cut.push_back("(outside) " + text);
      continue;
    }
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    int room = place.right - place.left;
    if (lstrcmpiA(className, "Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) continue;
    } else if (lstrcmpiA(className, "Button") == 0) {
      const LONG kind = style & BS_TYPEMASK;
      if (kind == BS_GROUPBOX) continue;
      if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) {
        room -= GetSystemMetrics(SM_CXMENUCHECK) + 2;  // the box and a gap
      } else {
        room -= 2 * GetSystemMetrics(SM_CXEDGE);  // the button's frame
      }
    } else {
      continue;
    }
    // DT_CALCRECT measures the text as drawn, a mnemonic's '&' left out.
    RECT needed = {};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_SINGLELINE);
    if (needed.right > room) cut.push_back(text);
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
  ReleaseDC(dialog, dc);
  return cut;
}

// Presses a button the way a click does, without waiting for what the
// click opens: the program's handler may run a modal loop.
void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The lines of a list box, converted to the ANSI code page. Asked for in
// UTF-16: Wine hands other processes a list box's text in that form only.
std::vector<std::string> ListLines(HWND dialog, int id) {
  const HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    if (length < 0) break;
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    char line[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, line, sizeof line - 1,
                        nullptr, nullptr);
    lines.push_back(line);
  }
  return lines;
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Waits for the program's message box, checks its text and closes it.
void ExpectMessageBox(const std::string& text) {
  const HWND box = WaitForWindow(kBoxCaption);
  const std::vector<std::string> texts = StaticTexts(box);
  Check(!texts.empty() && texts.back() == text,
        "message box shows \"" + (texts.empty() ? "" : texts.back()) +
            "\", expected \"" + text + "\"");
  Click(box, IDOK);
  WaitUntilGone(box, "the message box");
}

BOOL CALLBACK FindFileNameEdit(HWND child, LPARAM found) {
  constexpr int kFileNameField = 0x47c;  // cmb13, or the edit control in it
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (GetDlgCtrlID(child) != kFileNameField ||
      lstrcmpiA(className, "Edit") != 0) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The file name field of an open or save chooser.
HWND FileNameField(HWND chooser) {
  HWND field = nullptr;
  EnumChildWindows(chooser, FindFileNameEdit, reinterpret_cast<LPARAM>(&field));
  if (field == nullptr) Stop("the chooser has no file name field");
  return field;
}

// Answers the chooser titled `title` with `path`, or cancels it when
// `path` is empty; returns what its file name field proposed.
std::string AnswerChooser(const std::string& title, const std::string& path) {
  const HWND chooser = WaitForWindow(title);
  const HWND field = FileNameField(chooser);
  const std::string proposed = WindowText(field);
  if (path.empty()) {
    Click(chooser, IDCANCEL);
  } else {
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    Click(chooser, IDOK);
  }
  WaitUntilGone(chooser, "chooser \"" + title + "\"");
  return proposed;
}

// Presses `keys` together, in order, and lets them go in reverse order, as
// the keyboard would; the window in front receives them.
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(300);
}

// The text on the clipboard, or "(none)".
std::string ClipboardText() {
  std::string text = "(none)";
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// A started Kestrum.exe and its dialog.
struct Program {
  PROCESS_INFORMATION process = {};
  HWND dialog = nullptr;
};

// Starts `program` in `folder` with the arguments `arguments` (quoted as
// needed), its standard error going to the file `errors` when given, and
// waits for its dialog.
Program Start(const std::string& program, const std::string& folder,
              const std::string& arguments,
              const std::string& errors = std::string()) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  HANDLE errorFile = INVALID_HANDLE_VALUE;
  if (!errors.empty()) {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    errorFile = CreateFileA(errors.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                            &inherited, CREATE_ALWAYS, 0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = errorFile;
  }
  Program started;
  std::string commandLine = "\"" + program + "\" " + arguments;
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr,
                      errorFile != INVALID_HANDLE_VALUE, 0, nullptr,
                      folder.c_str(), &startup, &started.process)) {
    Stop("could not start " + program);
  }
  if (errorFile != INVALID_HANDLE_VALUE) CloseHandle(errorFile);
  programProcess = started.process.dwProcessId;
  started.dialog = WaitForWindow(text::kMainTitle);
  return started;
}

// Presses Exit and waits for the program to end.
void Exit(const Program& program) {
  Click(program.dialog, kExitButton);
  if (WaitForSingleObject(program.process.hProcess, 20000) != WAIT_OBJECT_0) {
    Stop("the program did not end after Exit");
  }
  Check(!IsWindow(program.dialog), "the dialog outlived the program");
}

std::string FileText(const std::string& path) {
  std::string text;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
      text.append(buffer, got);
    }
    std::fclose(file);
  }
  return text;
}

// Writes what `window` shows as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& path) {
  RECT place;
  GetWindowRect(window, &place);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const auto rowBytes = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
  std::vector<char> pixels(rowBytes * static_cast<std::size_t>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4d42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  return std::fclose(out) == 0;
}

// The dialog and its about box on a screen set to 150 %: each control
// within its window, no text cut. Saves the dialog's picture in
// `screenshot` when given.
int CheckLayout(const std::string& program, const std::string& folder,
                const std::string& screenshot) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  Check(dpi == 144,
        "the screen is at " + std::to_string(dpi) + " dpi, not 144 (150 %)");
  const Program started = Start(program, folder, "");
  Check(CutTexts(started.dialog).empty(),
        "at 150 % the dialog cuts " + Joined(CutTexts(started.dialog)));
  PostMessageA(started.dialog, WM_SYSCOMMAND, kAboutCommand, 0);
  const HWND about = WaitForWindow(text::kAboutTitle);
  Check(CutTexts(about).empty(),
        "at 150 % the about box cuts " + Joined(CutTexts(about)));
  Click(about, IDOK);
  WaitUntilGone(about, "the about box");
  if (!screenshot.empty()) {
    Check(SaveScreenshot(started.dialog, screenshot), "no screenshot written");
  }
  Exit(started);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: dialog_driver KESTRUM_EXE FOLDER LOG [--click ID]... "
                 "[--screenshot BMP]\n");
    return 2;
  }
  const std::string program = argv[1];
  const std::string folder = argv[2];
  const std::string log = folder + "\\" + argv[3];
  std::vector<int> clicks;
  std::string screenshot;
  for (int i = 4; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--click")
      clicks.push_back(std::atoi(argv[i + 1]));
    if (std::string(argv[i]) == "--screenshot") screenshot = argv[i + 1];
  }
  if (std::string(argv[3]) == "--layout") {
    return CheckLayout(program, folder, argc > 4 ? argv[4] : "");
  }
  std::string proposal = log;
  proposal.replace(proposal.rfind('.'), std::string::npos, ".adi");
  const std::string chosen = folder + "\\chosen.adi";

  // 1. In the log's folder: the fresh dialog, the choosers, a run, Ctrl+C,
  // the list after a failure, Help, About, Exit.
  Program started = Start(program, folder, "");
  const HWND dialog = started.dialog;
  Check(ListLines(dialog, kInputList).empty(), "input list is not empty");
  Check(ListLines(dialog, kOutputList).empty(), "output list is not empty");
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.kind != ControlKind::kCheckBox) continue;
    const bool expected =
        control.id == kSecondsBox || control.id == kFrequencyBox;
    Check(IsChecked(dialog, control.id) == expected,
          std::string("box \"") + std::string(control.label) +
              (expected ? "\" is not checked" : "\" is checked"));
  }
  GUITHREADINFO focus = {};
  focus.cbSize = sizeof focus;
  GetGUIThreadInfo(started.process.dwThreadId, &focus);
  Check(focus.hwndFocus == GetDlgItem(dialog, kChooseInputButton),
        "\"ZR BIN\" does not have the focus");
  // The system menu cannot be read from another process under Wine;
  // dialog_test.cc checks it from inside.

  // Convert before choosing anything.
  Click(dialog, kConvertButton);
  ExpectMessageBox(text::kMissingInput);

  // The two choosers: the log proposes its ADIF file at once; a name typed
  // without extension gets the chooser's default one.
  Click(dialog, kChooseInputButton);
  Check(AnswerChooser(text::kInputChooserTitle, log).empty(),
        "the input chooser did not start empty");
  Check(ListLines(dialog, kInputList) == std::vector<std::string>{log},
        "input list shows " + Joined(ListLines(dialog, kInputList)));
  Check(ListLines(dialog, kOutputList) == std::vector<std::string>{proposal},
        "output list shows " + Joined(ListLines(dialog, kOutputList)));
  Click(dialog, kChooseOutputButton);
  const std::string typed = chosen.substr(0, chosen.size() - 4);
  const std::string proposed = AnswerChooser(text::kOutputChooserTitle, typed);
  Check(proposed == proposal || folder + "\\" + proposed == proposal,
        "output chooser proposed \"" + proposed + "\"");
  Check(ListLines(dialog, kOutputList) == std::vector<std::string>{chosen},
        "output list shows " + Joined(ListLines(dialog, kOutputList)));

  for (const int id : clicks) {
    const bool before = IsChecked(dialog, id);
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Check(IsChecked(dialog, id) != before,
          "box " + std::to_string(id) + " did not change");
  }
  // A mnemonic works its box, twice back to where it was.
  SetForegroundWindow(dialog);
  for (const bool expected : {true, false}) {
    PressKeys({VK_MENU, '3'});
    Check(IsChecked(dialog, kAdif3Box) == expected,
          "Alt+3 did not work \"ADIF 3\"");
  }

  // Convert; the closing box names the chosen file.
  Click(dialog, kConvertButton);
  const HWND box = WaitForWindow(kBoxCaption);
  const std::vector<std::string> boxTexts = StaticTexts(box);
  const std::string report = boxTexts.empty() ? "" : boxTexts.back();
  const std::string tail = StringPrintf(" QSOs written to %s", chosen.c_str());
  Check(report.size() > tail.size() &&
            report.compare(report.size() - tail.size(), tail.size(), tail) == 0,
        "closing box says \"" + report + "\"");
  Click(box, IDOK);
  WaitUntilGone(box, "the closing box");
  const std::vector<std::string> messages = ListLines(dialog, kMessageList);
  Check(!messages.empty() && messages.back().empty(),
        "the message list does not end in an empty line");
  for (const std::string& line : messages) std::printf("%s\n", line.c_str());
  std::printf("%s\n", report.c_str());
  std::fflush(stdout);
  if (!screenshot.empty()) {
    Check(SaveScreenshot(dialog, screenshot), "no screenshot written");
  }

  // The first two lines, selected and copied with Ctrl+C.
  const HWND list = GetDlgItem(dialog, kMessageList);
  SendMessageA(list, LB_SETSEL, TRUE, 0);
  SendMessageA(list, LB_SETSEL, TRUE, 1);
  PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
  Sleep(200);
  SetForegroundWindow(dialog);
  PressKeys({VK_CONTROL, 'C'});
  Check(messages.size() >= 2 &&
            ClipboardText() == messages[0] + "\r\n" + messages[1] + "\r\n",
        "Ctrl+C copied \"" + ClipboardText() + "\"");

  // A cancelled output chooser keeps the file chosen before.
  Click(dialog, kChooseOutputButton);
  AnswerChooser(text::kOutputChooserTitle, "");
  Check(ListLines(dialog, kOutputList) == std::vector<std::string>{chosen},
        "a cancelled chooser changed the output list");
  Click(dialog, kConvertButton);
  ExpectMessageBox(report);

  // A log that is gone by Convert: the list shows that run's lines, none.
  const std::string gone = folder + "\\gone.bin";
  CopyFileA(log.c_str(), gone.c_str(), FALSE);
  Click(dialog, kChooseInputButton);
  AnswerChooser(text::kInputChooserTitle, gone);
  Check(ListLines(dialog, kOutputList) ==
            std::vector<std::string>{folder + "\\gone.adi"},
        "a new log kept the output " + Joined(ListLines(dialog, kOutputList)));
  DeleteFileA(gone.c_str());
  Click(dialog, kConvertButton);
  const HWND failure = WaitForWindow(kBoxCaption);
  Click(failure, IDOK);
  WaitUntilGone(failure, "the error box");
  Check(ListLines(dialog, kMessageList).empty(),
        "after a failed run the list shows " +
            Joined(ListLines(dialog, kMessageList)));

  // Help without a guide beside the program.
  Click(dialog, kHelpButton);
  ExpectMessageBox(text::kGuideNotFound);

  // The about box, from the system menu, twice.
  for (int round = 0; round < 2; ++round) {
    PostMessageA(dialog, WM_SYSCOMMAND, kAboutCommand, 0);
    const HWND about = WaitForWindow(text::kAboutTitle);
    const std::vector<std::string> texts = StaticTexts(about);
    Check(texts == std::vector<std::string>{std::string(AboutVersionLine()),
                                            text::kRightsLine,
                                            text::kLicenceLine},
          "the about box shows " + Joined(texts));
    Check(CutTexts(about).empty(),
          "the about box cuts " + Joined(CutTexts(about)));
    Click(about, IDOK);
    WaitUntilGone(about, "the about box");
  }
  Exit(started);

  // 2. Started elsewhere, the input chooser opens in the folder of the
  // last log: a bare name is found there.
  started = Start(program, "C:\\", "");
  Click(started.dialog, kChooseInputButton);
  AnswerChooser(text::kInputChooserTitle, argv[3]);
  Check(ListLines(started.dialog, kInputList) == std::vector<std::string>{log},
        "the chooser did not open in the last folder: " +
            Joined(ListLines(started.dialog, kInputList)));
  Exit(started);

  // 3. The log on the command line, with a second argument that is
  // ignored; then several logs dropped at once, the last one large enough
  // to show its progress, while a key does nothing. The dialog waits a
  // little at each step of progress, or the run would end before a key
  // could be pressed.
  const std::string large = folder + "\\large.bin";
  constexpr int kLargeLog = 300000;  // contacts
  {
    testing::TestHeader header;
    header.generation = 8;
    header.versionText = "ZR 8.05";
    header.contest = "CQ-WW-CW";
    std::vector<testing::TestRecord> records(kLargeLog);
    for (std::size_t i = 0; i < records.size(); ++i) {
      records[i].call = i % 2 == 0 ? "K1ABC" : "GOX";  // GOX draws a warning
      records[i].band = 3;
      records[i].mode = 1;
    }
    testing::WriteFile(large, testing::BuildLog(header, records));
  }
  const std::string drop = log + "\n" + folder + "\\notes.txt\n" + large;
  SetEnvironmentVariableA("KESTRUM_UI_DROP", drop.c_str());
  SetEnvironmentVariableA("KESTRUM_UI_PAUSE_MS", "20");
  const std::string errors = folder + "\\errors.txt";
  started = Start(program, folder, std::string(argv[3]) + " extra", errors);
  SetEnvironmentVariableA("KESTRUM_UI_DROP", nullptr);
  SetEnvironmentVariableA("KESTRUM_UI_PAUSE_MS", nullptr);
  Check(ListLines(started.dialog, kInputList) == std::vector<std::string>{log},
        "the log of the command line is not chosen: " +
            Joined(ListLines(started.dialog, kInputList)));
  Check(ListLines(started.dialog, kOutputList) ==
            std::vector<std::string>{proposal},
        "its ADIF file is not proposed: " +
            Joined(ListLines(started.dialog, kOutputList)));
  Check(FileText(errors) == "Kestrum: ignoring extra argument extra\n" ||
            FileText(errors) == "Kestrum: ignoring extra argument extra\r\n",
        "standard error holds \"" + FileText(errors) + "\"");

  bool progressShown = false;
  for (int tries = 0; tries < 400 && !progressShown; ++tries) {
    const std::vector<std::string> lines =
        ListLines(started.dialog, kMessageList);
    progressShown = !lines.empty() &&
                    lines.back().starts_with("Converting large.bin (2 of 2)");
    if (!progressShown) Sleep(25);
  }
  Check(progressShown, "the large log showed no progress");
  SetForegroundWindow(started.dialog);
  PressKeys({VK_MENU, 'W'});
  const HWND summary = WaitForWindow(kBoxCaption);
  const std::vector<std::string> summaryTexts = StaticTexts(summary);
  const std::string expected =
      StringPrintf("2 logs converted; %d QSOs written",
                   std::atoi(report.c_str()) + kLargeLog);
  Check(!summaryTexts.empty() && summaryTexts.back() == expected,
        "the batch's box says " + Joined(summaryTexts));
  Click(summary, IDOK);
  WaitUntilGone(summary, "the batch's box");
  Check(!IsChecked(started.dialog, kWpxBox), "Alt+W worked during the run");
  const std::vector<std::string> batchLines =
      ListLines(started.dialog, kMessageList);
  Check(!batchLines.empty() && batchLines.front() == "ZR BIN file " + log,
        "the batch's list begins " + Joined(batchLines).substr(0, 200));
  Check(std::find(batchLines.begin(), batchLines.end(),
                  "ZR BIN file " + large) != batchLines.end(),
        "the batch's list does not name " + large);
  Exit(started);
  DeleteFileA(large.c_str());
  DeleteFileA((folder + "\\large.adi").c_str());
  return failures == 0 ? 0 : 1;
}
