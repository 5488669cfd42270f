// SPDX-License-Identifier: MIT
// Little-endian reads from a bounded byte buffer. A read that would run past
// the end of the buffer reads nothing: it gives zero (or the empty text) and
// marks the reader as failed. A decoder reads every field of a structure and
// then asks Ok() once whether all of them were inside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kestrum {

using ByteSpan = std::span<const std::byte>;

class ByteReader {
 public:
  explicit ByteReader(ByteSpan bytes) : bytes_(bytes) {}

  std::uint8_t U8(std::size_t offset) {
    if (!Fits(offset, 1)) return 0;
    return std::to_integer<std::uint8_t>(bytes_[offset]);
  }
  std::uint16_t U16(std::size_t offset) {
    if (!Fits(offset, 2)) return 0;
    return static_cast<std::uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
  }
  std::uint32_t U32(std::size_t offset) {
    if (!Fits(offset, 4)) return 0;
    return Byte(offset) | Byte(offset + 1) << 8 | Byte(offset + 2) << 16 |
           Byte(offset + 3) << 24;
  }
  std::int32_t I32(std::size_t offset) {
    return static_cast<std::int32_t>(U32(offset));
  }

  // The text of the field of `width` bytes at `offset`: up to its first zero
  // byte, or the whole field when it holds none. Replaces `text` (whose
  // storage is reused); a field past the end of the buffer gives "".
  void Text(std::size_t offset, std::size_t width, std::string& text) {
    text.clear();
    if (!Fits(offset, width)) return;
    const auto* first = reinterpret_cast<const char*>(bytes_.data() + offset);
    std::size_t length = 0;
    while (length < width && first[length] != '\0') ++length;
    text.append(first, length);
  }
  std::string Text(std::size_t offset, std::size_t width) {
    std::string text;
    Text(offset, width, text);
    return text;
  }
  // The text at `offset` running at most to the end of the buffer.
  std::string TextToEnd(std::size_t offset) {
    return Text(offset, offset <= bytes_.size() ? bytes_.size() - offset : 1);
  }

  // True while every read so far lay inside the buffer.
  [[nodiscard]] bool Ok() const { return ok_; }

 private:
  bool Fits(std::size_t offset, std::size_t size) {
    if (offset <= bytes_.size() && bytes_.size() - offset >= size) return true;
    ok_ = false;
    return false;
  }
  std::uint32_t Byte(std::size_t offset) const {
    return std::to_integer<std::uint32_t>(bytes_[offset]);
  }

  ByteSpan bytes_;
  bool ok_ = true;
};

}  // namespace kestrum
