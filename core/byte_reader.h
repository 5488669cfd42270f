// SPDX-License-Identifier: MIT
// Little-endian reads from a bounded byte buffer. Every read checks the
// buffer's length first; a read that would run past the end yields zero (or
// the empty text), never bytes from outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kestrum {

using ByteSpan = std::span<const std::byte>;

inline std::uint8_t ReadU8(ByteSpan bytes, std::size_t offset) {
  return offset < bytes.size() ? std::to_integer<std::uint8_t>(bytes[offset])
                               : 0;
}

inline std::uint16_t ReadU16(ByteSpan bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return 0;
  return static_cast<std::uint16_t>(ReadU8(bytes, offset) |
                                    ReadU8(bytes, offset + 1) << 8);
}

inline std::uint32_t ReadU32(ByteSpan bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 4) return 0;
  return static_cast<std::uint32_t>(ReadU16(bytes, offset)) |
         static_cast<std::uint32_t>(ReadU16(bytes, offset + 2)) << 16;
}

inline std::int32_t ReadI32(ByteSpan bytes, std::size_t offset) {
  return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

// The text that starts at `offset`: up to its first zero byte, and never more
// than `width` bytes nor past the end of the buffer.
inline std::string ReadText(ByteSpan bytes, std::size_t offset,
                            std::size_t width) {
  std::string text;
  for (std::size_t i = offset; i < bytes.size() && i - offset < width; ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '\0') break;
    text.push_back(c);
  }
  return text;
}

}  // namespace kestrum
