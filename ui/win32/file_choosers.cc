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
                            DWORD flags) {
  OPENFILENAMEA record;
  std::memset(&record, 0, sizeof record);
  record.lStructSize = sizeof record;
  record.hwndOwner = owner;
  record.lpstrFilter = filters;
  record.nFilterIndex = 1;
  record.lpstrFile = buffer.data();
  record.nMaxFile = static_cast<DWORD>(buffer.size());
  record.lpstrDefExt = extension;
  record.lpstrTitle = title;
  record.Flags = flags;
  return record;
}

}  // namespace

std::optional<std::string> ChooseInputFile(HWND owner,
                                           const std::string& current) {
  PathBuffer buffer = BufferWith(current);
  OPENFILENAMEA record =
      ChooserRecord(owner, buffer, kInputFilters, text::kInputExtension,
                    text::kInputChooserTitle,
                    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  if (!GetOpenFileNameA(&record)) return std::nullopt;
  return std::string(buffer.data());
}

std::optional<std::string> ChooseOutputFile(HWND owner,
                                            const std::string& proposal) {
  PathBuffer buffer = BufferWith(proposal);
  OPENFILENAMEA record =
      ChooserRecord(owner, buffer, kOutputFilters, text::kOutputExtension,
                    text::kOutputChooserTitle,
                    OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  if (!GetSaveFileNameA(&record)) return std::nullopt;
  return std::string(buffer.data());
}

}  // namespace kestrum::win32
