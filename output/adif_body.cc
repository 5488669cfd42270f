// SPDX-License-Identifier: MIT
#include "output/adif_body.h"

#include <algorithm>
#include <charconv>

namespace kestrum {
namespace {

constexpr int kWrapColumn = 80;
constexpr std::string_view kEndOfRecord = " <EOR>\n";

}  // namespace

AdifBody::AdifBody(TextSink& sink, std::size_t blockSize)
    : sink_(sink), blockSize_(blockSize) {}

char* AdifBody::Grow(std::size_t size) {
  // Grows to a block and a few lines once, then stays.
  held_.resize(std::max(2 * held_.size(), heldSize_ + size + 256));
  return held_.data() + heldSize_;
}

void AdifBody::AddField(std::string_view name, std::string_view value) {
  if (value.empty()) return;
  char digits[24];
  std::string_view length;
  if (value.size() < 100) {  // nearly every value: no need for to_chars
    digits[0] = static_cast<char>('0' + value.size() / 10);
    digits[1] = static_cast<char>('0' + value.size() % 10);
    length = value.size() < 10 ? std::string_view(digits + 1, 1)
                               : std::string_view(digits, 2);
  } else {
    const auto counted =
        std::to_chars(digits, digits + sizeof digits, value.size());
    length = std::string_view(digits,
                              static_cast<std::size_t>(counted.ptr - digits));
  }
  // "<" name ":" length ">" value
  const std::size_t fieldSize = name.size() + length.size() + value.size() + 3;
  const int fieldLength = static_cast<int>(
      std::min(fieldSize, static_cast<std::size_t>(kWrapColumn)));
  // The test leaves out the blank that follows, so a line reaches at most 80
  // columns.
  const bool newLine = lineLength_ + fieldLength >= kWrapColumn;
  if (newLine && lineLength_ != 0) FlushLine();
  char* out = Reserve(fieldSize + 1);
  if (newLine) {
    lineLength_ = 0;
  } else if (lineLength_ != 0) {
    *out++ = ' ';
    lineLength_ += 1;
  }
  *out++ = '<';
  Put(out, name);
  *out++ = ':';
  Put(out, length);
  *out++ = '>';
  Put(out, value);
  heldSize_ = static_cast<std::size_t>(out - held_.data());
  lineLength_ += fieldLength;
}

void AdifBody::EndRecord() {
  char* out = Reserve(kEndOfRecord.size());
  Put(out, kEndOfRecord);
  heldSize_ += kEndOfRecord.size();
  lineLength_ = kLineLengthAfterRecord;
}

bool AdifBody::Finish() {
  FlushLine();
  WriteHeld();
  return ok_;
}

void AdifBody::FlushLine() {
  *Reserve(1) = '\n';
  ++heldSize_;
  if (heldSize_ >= blockSize_) WriteHeld();
  lineStart_ = heldSize_;
  lineLength_ = 0;
}

void AdifBody::WriteHeld() {
  if (ok_ && heldSize_ != 0) ok_ = sink_.Write(HeldText());
  heldSize_ = 0;
}

}  // namespace kestrum
