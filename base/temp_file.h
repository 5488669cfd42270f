// SPDX-License-Identifier: MIT
// TempFile: an unnamed temporary file for data too large to hold in memory
// (the lines of a long message list, a log read from a pipe), in the
// system's folder for temporary files. No other program sees it by name,
// and the system removes it when it is closed or the process ends, however
// it ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace kestrum {

class TempFile {
 public:
  // Creates the file. When that fails, IsOpen() is false, Error() says why,
  // and every Append fails.
  TempFile();
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }

  // Adds `bytes` at the end. False when they could not all be written; the
  // file then keeps what it held before the call, and every later Append
  // fails too.
  [[nodiscard]] bool Append(std::span<const std::byte> bytes);
  [[nodiscard]] bool Append(std::string_view text) {
    return Append(std::as_bytes(std::span(text.data(), text.size())));
  }

  // Reads from `offset` until `buffer` is full or the file's end, and returns
  // how many bytes were read; fewer than asked only at the end, or when a
  // read failed (then Error() says why).
  std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> buffer);

  // The bytes held: everything every successful Append added.
  std::uint64_t Size() const { return size_; }

  // Why creating, writing or reading failed, in the system's words; empty
  // while nothing failed.
  const std::string& Error() const { return error_; }

 private:
  bool SeekTo(std::uint64_t offset);
  void Fail(int error);

  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
  bool appendFailed_ = false;
  std::string error_;
};

}  // namespace kestrum
