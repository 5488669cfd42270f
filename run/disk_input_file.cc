// SPDX-License-Identifier: MIT
#include "run/disk_input_file.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/temp_file.h"

namespace kestrum {
namespace {

// A size in the largest binary unit that states it exactly: "2 GiB".
std::string SizeText(std::uint64_t bytes) {
  constexpr std::array<const char*, 3> kUnits = {"GiB", "MiB", "KiB"};
  for (std::size_t i = 0; i < kUnits.size(); ++i) {
    const std::uint64_t unit = std::uint64_t{1} << (10 * (kUnits.size() - i));
    if (bytes >= unit && bytes % unit == 0) {
      return std::to_string(bytes / unit) + " " + kUnits[i];
    }
  }
  return std::to_string(bytes) + " bytes";
}

class RegularInputFile final : public InputFile {
 public:
  RegularInputFile(SystemFile file, std::uint64_t start, std::uint64_t size)
      : file_(std::move(file)), start_(start), size_(size) {}

  std::size_t Read(std::span<std::byte> buffer) override {
    const std::uint64_t left = position_ < size_ ? size_ - position_ : 0;
    if (left < buffer.size()) {
      buffer = buffer.first(static_cast<std::size_t>(left));
    }
    std::size_t filled = 0;
    while (filled < buffer.size() && error_.empty()) {
      const std::optional<std::size_t> got =
          file_.ReadSome(buffer.subspan(filled), error_);
      if (!got) break;
      if (*got == 0) {
        error_ = kFileShrank;
        break;
      }
      filled += *got;
    }
    position_ += filled;
    return filled;
  }

  bool Seek(std::uint64_t offset) override {
    std::string error;
    if (!file_.SeekTo(start_ + offset, error)) return false;
    position_ = offset;
    return true;
  }

  const std::string& Error() const override { return error_; }
  std::uint64_t Size() const override { return size_; }

 private:
  SystemFile file_;
  std::uint64_t start_;
  std::uint64_t size_;
  std::uint64_t position_ = 0;
  std::string error_;
};

class PipeInputFile final : public InputFile {
 public:
  PipeInputFile(SystemFile source, std::uint64_t limit)
      : source_(std::move(source)), limit_(limit), error_(scratch_.Error()) {}

  std::size_t Read(std::span<std::byte> buffer) override {
    std::size_t filled = 0;
    while (filled < buffer.size() && error_.empty()) {
      const std::span<std::byte> rest = buffer.subspan(filled);
      std::optional<std::size_t> got;
      if (position_ < kept_) {
        got = ReadKept(rest.first(static_cast<std::size_t>(
            std::min<std::uint64_t>(rest.size(), kept_ - position_))));
      } else if (ended_ || !KeepUpTo(position_)) {
        break;
      } else {
        got = ReadNew(rest);
      }
      if (!got || *got == 0) break;
      filled += *got;
      position_ += *got;
    }
    return filled;
  }

  bool Seek(std::uint64_t offset) override {
    position_ = offset;
    return true;
  }

  const std::string& Error() const override { return error_; }
  std::uint64_t Size() const override { return kept_; }

 private:
  // Reads bytes that were kept before, at position_.
  std::optional<std::size_t> ReadKept(std::span<std::byte> buffer) {
    const std::size_t got = scratch_.ReadAt(position_, buffer);
    if (!scratch_.Error().empty()) error_ = scratch_.Error();
    if (got == 0 && error_.empty()) error_ = kFileShrank;
    if (!error_.empty()) return std::nullopt;
    return got;
  }

  // Reads new bytes from the pipe into `buffer` and keeps them; 0 at its end.
  std::optional<std::size_t> ReadNew(std::span<std::byte> buffer) {
    std::optional<std::size_t> got = source_.ReadSome(buffer, error_);
    if (!got) return std::nullopt;
    if (*got == 0) {
      ended_ = true;
      return got;
    }
    if (*got > limit_ - kept_) {
      error_ =
          "Larger than " + SizeText(limit_) + ", the most read from a pipe";
      return std::nullopt;
    }
    if (!scratch_.Append(buffer.first(*got))) {
      error_ = scratch_.Error();
      return std::nullopt;
    }
    kept_ += *got;
    return got;
  }

  // Reads and keeps what the pipe delivers up to `offset` (where a Seek
  // went past what was kept); false at a failure or the end of the pipe.
  bool KeepUpTo(std::uint64_t offset) {
    std::array<std::byte, 65536> piece;
    while (kept_ < offset) {
      const std::size_t wanted = static_cast<std::size_t>(
          std::min<std::uint64_t>(piece.size(), offset - kept_));
      const std::optional<std::size_t> got =
          ReadNew(std::span(piece).first(wanted));
      if (!got || *got == 0) return false;
    }
    return true;
  }

  SystemFile source_;
  TempFile scratch_;  // what the pipe delivered, kept_ bytes
  std::uint64_t limit_;
  std::uint64_t kept_ = 0;
  std::uint64_t position_ = 0;  // where the next Read starts
  bool ended_ = false;          // the pipe reached its end
  std::string error_;
};

}  // namespace

std::unique_ptr<InputFile> MakeRegularInput(SystemFile file,
                                            std::uint64_t start,
                                            std::uint64_t size) {
  return std::make_unique<RegularInputFile>(std::move(file), start, size);
}

Opened<InputFile> MakePipeInput(SystemFile source, std::uint64_t limit) {
  auto file = std::make_unique<PipeInputFile>(std::move(source), limit);
  // A scratch file that could not be made fails the file at once.
  if (!file->Error().empty()) return {nullptr, file->Error()};
  return {std::move(file), {}};
}

}  // namespace kestrum
