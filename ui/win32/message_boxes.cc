// SPDX-License-Identifier: MIT
#include "ui/win32/message_boxes.h"

#include <array>

namespace kestrum::win32 {
namespace {

void ShowBox(HWND owner, std::string_view text, UINT icon) {
  const std::string shown(text);
  MessageBoxA(owner, shown.c_str(), ApplicationTitle().c_str(), MB_OK | icon);
}

}  // namespace

std::string ApplicationTitle() {
  std::array<char, MAX_PATH> path{};
  const DWORD length =
      GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::string_view name(path.data(), length < path.size() ? length : 0);
  const std::size_t folder = name.find_last_of("\\/:");
  if (folder != std::string_view::npos) name.remove_prefix(folder + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return name.empty() ? std::string("Kestrum") : std::string(name);
}

void ShowErrorBox(HWND owner, std::string_view text) {
  ShowBox(owner, text, MB_ICONERROR);
}

void ShowInformationBox(HWND owner, std::string_view text) {
  ShowBox(owner, text, MB_ICONINFORMATION);
}

}  // namespace kestrum::win32
