// SPDX-License-Identifier: MIT
// How the dialog shows a text of the conversion run (a message-list line or
// a message box text). Those texts mix two kinds of bytes: texts from the
// log are 8-bit Windows code page 1252, while file paths are the bytes the
// file system uses, UTF-8 on Linux. No line mixes both, so each text is read
// as UTF-8 when it is valid UTF-8 and as code page 1252 otherwise; the
// toolkit code then decodes the bytes with the named encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

enum class TextEncoding { kUtf8, kCp1252 };

struct DisplayText {
  std::string bytes;  // without a line feed at the end
  TextEncoding encoding = TextEncoding::kUtf8;
};

// `text` ready to decode: one line feed at its end is dropped, and when it
// is read as code page 1252, the five bytes that code page leaves undefined
// (0x81, 0x8d, 0x8f, 0x90, 0x9d) become '?', so that decoding cannot fail
// and blank the whole line.
DisplayText DisplayTextOf(std::string_view text);

// The message list as shown: DisplayTextOf each line, in order.
std::vector<DisplayText> MessageListDisplay(
    const std::vector<std::string>& lines);

// True when `bytes` is well-formed UTF-8: no stray continuation byte, no
// overlong form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace kestrum
