// SPDX-License-Identifier: MIT
#include "ui/win32/help_page.h"

#include <shellapi.h>

#include <array>
#include <string>

#include "ui/model/dialog_texts.h"
#include "ui/win32/message_boxes.h"

namespace kestrum::win32 {
namespace {

constexpr char kGuideBesideProgram[] = "guide\\index.html";

// The guide's full path, or empty when it is not beside the program.
std::string FindUserGuide() {
  std::array<char, MAX_PATH> path{};
  const DWORD length =
      GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return std::string();
  std::string guide(path.data(), length);
  guide.erase(guide.find_last_of("\\/") + 1);
  guide += kGuideBesideProgram;
  const DWORD attributes = GetFileAttributesA(guide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::string();
  }
  return guide;
}

}  // namespace

void OpenHelpPage(HWND owner) {
  const std::string guide = FindUserGuide();
  if (guide.empty()) {
    ShowErrorBox(owner, text::kGuideNotFound);
    return;
  }
  // Values of 32 and below are the shell's error codes.
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
      nullptr, "open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) ShowErrorBox(owner, text::kBrowserNotStarted);
}

}  // namespace kestrum::win32
