// SPDX-License-Identifier: MIT
// Kestrum.exe: converts ZR contest logs into ADIF files in one dialog. The
// program runs the main dialog once and ends when it closes. Its command
// line is `Kestrum.exe [LOG]`: LOG is chosen as if with the "ZR BIN"
// button; a second file is reported on standard error, "--help" and
// "--version" in a box, since a program with windows has no console of its
// own.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/string_printf.h"
#include "kestrum/build_info.h"
#include "ui/model/dialog_arguments.h"
#include "ui/model/dialog_texts.h"
#include "ui/win32/kestrum_dlg.h"
#include "ui/win32/message_boxes.h"

namespace {

constexpr char kProgramName[] = "Kestrum";

// The log named on the command line as a full path; empty when it names no
// file.
std::string StartLog(const std::string& argument) {
  std::array<char, MAX_PATH> full{};
  const DWORD length = GetFullPathNameA(
      argument.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  const DWORD attributes = length > 0 && length < full.size()
                               ? GetFileAttributesA(full.data())
                               : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    std::fprintf(stderr, kestrum::text::kLogNotFound, kProgramName,
                 argument.c_str());
    return std::string();
  }
  return std::string(full.data(), length);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace kestrum;
  const DialogArguments parsed = ParseDialogArguments(
      std::vector<std::string>(__argv + 1, __argv + __argc));
  if (parsed.help || parsed.version) {
    std::string shown;
    if (parsed.help) shown += StringPrintf(text::kUsage, kProgramName);
    if (parsed.version) {
      shown += StringPrintf("%s %s\n", kProgramName, kProgramVersion);
    }
    win32::ShowInformationBox(nullptr, shown);
    return 0;
  }
  for (const std::string& ignored : parsed.ignored) {
    std::fprintf(stderr, text::kExtraArgument, kProgramName, ignored.c_str());
  }
  std::fflush(stderr);

  InitCommonControls();
  win32::CKestrumDlg dialog(instance,
                            parsed.log ? StartLog(*parsed.log) : std::string());
  dialog.DoModal();
  return 0;
}
