// SPDX-License-Identifier: MIT
// Texts between the conversion library and wxWidgets. The library speaks in
// bytes: file paths as the file system stores them, run texts mixing those
// paths with code-page-1252 log texts. wxWidgets speaks Unicode. Every
// crossing goes through these functions, never through wxString's implicit
// conversions, which turn a code-page-1252 line into an empty one.
#pragma once

#include <wx/string.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/model/display_text.h"

namespace kestrum {

// A text of this program's own (a label, a title, a message), UTF-8.
wxString FromUtf8(std::string_view text);

// A run text decoded as DisplayTextOf (ui/model/display_text.h) chose.
wxString ToWxString(const DisplayText& text);

// A run text (a message box's text) as shown.
wxString ToDisplayString(std::string_view runText);

// The bytes that name `path` in the file system, as the conversion run
// opens it; nullopt when the path cannot be expressed in them.
std::optional<std::string> ToFileSystemBytes(const wxString& path);

// The inverse of ToFileSystemBytes.
wxString FromFileSystemBytes(const std::string& bytes);

}  // namespace kestrum
