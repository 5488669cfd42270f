// SPDX-License-Identifier: MIT
#include "ui/win32/file_choosers.h"

#include <commdlg.h>

#include <array>
#include <cstring>

#include "ui/model/dialog_texts.h"

namespace kestrum::win32 {
namespace {

using PathBuffer = std::array<char, MAX_PATH>;

// `start` in a chooser's buffer, or an empty buffer when it does not fit.
PathBuffer BufferWith(const std::string& start) {
  PathBuffer buffer{};
  if (start.size() < buffer.size()) {
    std::memcpy(buffer.data(), start.data(), start.size());
  }
  return buffer;
}

OPENFILENAMEA ChooserRecord(HWND owner, PathBuffer& buffer, const char* filters,
                            const char* extension, const char* title,
                            const std::string& folder, DWORD flags) {
  OPENFILENAMEA record;
  std::memset(&record, 0, sizeof record);
  record.lStructSize = sizeof record;
  record.hwndOwner = owner;
  record.lpstrFilter = filters;
  record.nFilterIndex = 1;
  record.lpstrFile = buffer.data();
  record.nMaxFile = static_cast<DWORD>(buffer.size());
  // Where the chooser opens when the buffer names no folder.
  record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  record.lpstrDefExt = extension;
  record.lpstrTitle = title;
  record.Flags = flags;
  return record;
}

}  // namespace

std::optional<std::string> ChooseInputFile(HWND owner,
                                           const std::string& current,
                                           const std::string& folder) {
  PathBuffer buffer = BufferWith(current);
  OPENFILENAMEA record =
      ChooserRecord(owner, buffer, kInputFilters, text::kInputExtension,
                    text::kInputChooserTitle, folder,
                    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  if (!GetOpenFileNameA(&record)) return std::nullopt;
  return std::string(buffer.data());
}

std::optional<std::string> ChooseOutputFile(HWND owner,
                                            const std::string& proposal,
                                            const std::string& folder) {
  PathBuffer buffer = BufferWith(proposal);
  // The default extension makes the system add ".adi" to a name typed
  // without one before it checks for a file to overwrite.
  OPENFILENAMEA record =
      ChooserRecord(owner, buffer, kOutputFilters, text::kOutputExtension,
                    text::kOutputChooserTitle, folder,
                    OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  if (!GetSaveFileNameA(&record)) return std::nullopt;
  return std::string(buffer.data());
}

}  // namespace kestrum::win32
