// SPDX-License-Identifier: MIT
#include "ui/wx_strings.h"

#include <wx/strconv.h>

namespace kestrum {

wxString FromUtf8(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}

wxString ToDisplayString(std::string_view runText) {
  return ToWxString(DisplayTextOf(runText));
}

wxString ToWxString(const DisplayText& text) {
  if (text.bytes.empty()) return wxString();
  if (text.encoding == TextEncoding::kUtf8) {
    return wxString::FromUTF8(text.bytes.data(), text.bytes.size());
  }
  static wxCSConv cp1252(wxFONTENCODING_CP1252);
  wxString shown(text.bytes.data(), cp1252, text.bytes.size());
  // Should the system lack the code page, Latin-1 still shows every letter
  // of it but the few in 0x80-0x9f, and never fails.
  if (shown.empty()) {
    shown = wxString(text.bytes.data(), wxConvISO8859_1, text.bytes.size());
  }
  return shown;
}

std::optional<std::string> ToFileSystemBytes(const wxString& path) {
  if (path.empty()) return std::string();
  const wxCharBuffer bytes = path.mb_str(*wxConvFileName);
  if (bytes.length() == 0) return std::nullopt;
  return std::string(bytes.data(), bytes.length());
}

wxString FromFileSystemBytes(const std::string& bytes) {
  return wxString(bytes.data(), *wxConvFileName, bytes.size());
}

}  // namespace kestrum
