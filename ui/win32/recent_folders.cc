// SPDX-License-Identifier: MIT
#include "ui/win32/recent_folders.h"

#include <windows.h>

#include <array>

#include "ui/model/settings.h"

namespace kestrum::win32 {

std::string RecentFolder(const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, setting::kRegistryKey, 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return std::string();
  }
  // One byte more than the value may fill, so that it always ends in NUL.
  std::array<char, MAX_PATH + 1> folder{};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  const LONG read = RegQueryValueExA(
      key, name, nullptr, &type, reinterpret_cast<BYTE*>(folder.data()), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return std::string();
  const DWORD attributes = GetFileAttributesA(folder.data());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::string();
  }
  return folder.data();
}

void RememberFolder(const char* name, const std::string& folder) {
  if (folder.empty()) return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, setting::kRegistryKey, 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(key, name, 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>(folder.size() + 1));
  RegCloseKey(key);
}

}  // namespace kestrum::win32
