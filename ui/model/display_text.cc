// SPDX-License-Identifier: MIT
#include "ui/model/display_text.h"

#include <cstdint>

namespace kestrum {
namespace {

bool IsUndefinedInCp1252(unsigned char byte) {
  return byte == 0x81 || byte == 0x8d || byte == 0x8f || byte == 0x90 ||
         byte == 0x9d;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    std::uint32_t smallest = 0;  // below this the form is overlong
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xe0) == 0xc0) {
      length = 2, codePoint = lead & 0x1f, smallest = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
      length = 3, codePoint = lead & 0x0f, smallest = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
      length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xc0) != 0x80) return false;
      codePoint = (codePoint << 6) | (next & 0x3f);
    }
    if (codePoint < smallest || codePoint > 0x10ffff ||
        (codePoint >= 0xd800 && codePoint <= 0xdfff)) {
      return false;
    }
    i += length;
  }
  return true;
}

DisplayText DisplayTextOf(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  DisplayText shown{std::string(text), TextEncoding::kUtf8};
  if (IsValidUtf8(text)) return shown;
  shown.encoding = TextEncoding::kCp1252;
  for (char& byte : shown.bytes) {
    if (IsUndefinedInCp1252(static_cast<unsigned char>(byte))) byte = '?';
  }
  return shown;
}

std::vector<DisplayText> MessageListDisplay(
    const std::vector<std::string>& lines) {
  std::vector<DisplayText> shown;
  shown.reserve(lines.size());
  for (const std::string& line : lines) shown.push_back(DisplayTextOf(line));
  return shown;
}

}  // namespace kestrum
