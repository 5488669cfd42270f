// SPDX-License-Identifier: MIT
#include "output/adif_body.h"

#include <algorithm>
#include <charconv>

namespace kestrum {
namespace {

constexpr std::string_view kEndOfRecord = " <EOR>\n";

}  // namespace

AdifBody::AdifBody(TextSink& sink, std::size_t blockSize)
    : sink_(sink), blockSize_(blockSize) {}

char* AdifBody::Grow(std::size_t size) {
  // Grows to a block and a few lines once, then stays.
  held_.resize(std::max(2 * held_.size(), heldSize_ + size + 256));
  return held_.data() + heldSize_;
}

std::string_view AdifBody::LongLength(std::size_t size, char* digits) {
  const auto counted = std::to_chars(digits, digits + kMaxDigits, size);
  return std::string_view(digits,
                          static_cast<std::size_t>(counted.ptr - digits));
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
