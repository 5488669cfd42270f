// SPDX-License-Identifier: MIT
#include "run/log_pass.h"

#include <algorithm>
#include <cstring>

namespace kestrum {

LogPass::LogPass(InputFile& file, const LogLayout& layout,
                 std::size_t firstRecord)
    : file_(file), recordSize_(layout.recordSize), firstRecord_(firstRecord) {
  // A short log needs no block of full size: the fuzzer and the browser
  // convert many small logs.
  const std::uint64_t size = file.Size();
  std::size_t records = kRecordsPerBlock;
  if (size != 0 && size / recordSize_ + 1 < records) {
    records = static_cast<std::size_t>(size / recordSize_ + 1);
  }
  buffer_.resize(std::max(records * recordSize_, std::size_t{1024}) /
                 recordSize_ * recordSize_);
  if (!file.Seek(0)) {
    failed_ = true;
    ended_ = true;
  }
}

std::size_t LogPass::ReadInto(std::span<std::byte> into) {
  const std::size_t got = file_.Read(into);
  digest_.Add(into.first(got));
  if (start_.size() < kLongestHeader) {
    const std::size_t kept = std::min(got, kLongestHeader - start_.size());
    start_.insert(start_.end(), into.begin(),
                  into.begin() + static_cast<std::ptrdiff_t>(kept));
  }
  if (!file_.Error().empty()) {
    failed_ = true;
    ended_ = true;
  } else if (got == 0) {
    ended_ = true;
  }
  return got;
}

ByteSpan LogPass::NextRecords() {
  // The piece of a record left at the end of the last block goes first.
  if (carryAt_ != 0) {
    std::memmove(buffer_.data(), buffer_.data() + carryAt_, carry_);
    carryAt_ = 0;
  }
  // The header goes into the digest only.
  while (!ended_ && digest_.Size() < firstRecord_) {
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(firstRecord_ - digest_.Size(), buffer_.size()));
    ReadInto(std::span(buffer_).first(want));
  }
  while (!ended_) {
    const std::size_t held =
        carry_ + ReadInto(std::span(buffer_).subspan(carry_));
    if (failed_) return {};
    const std::size_t whole = held / recordSize_ * recordSize_;
    carry_ = held - whole;
    if (whole != 0) {
      carryAt_ = whole;
      return ByteSpan(buffer_).first(whole);
    }
  }
  return {};
}

}  // namespace kestrum
