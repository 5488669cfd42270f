// SPDX-License-Identifier: MIT
// AdifBody: the records of an ADIF file as text, built field by field under
// the 80-column line rule and handed to a TextSink in large blocks as they
// fill, so that a body of any size takes a fixed amount of memory. What goes
// into the fields is the business of the translation (qso_translation.h).
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/decimal_text.h"
#include "output/text_sink.h"

namespace kestrum {

// Right after an end of record the line length is set to this, so that the
// next field always starts a new line.
inline constexpr int kLineLengthAfterRecord = 99;

class AdifBody {
 public:
  // Finished lines are held until about `blockSize` bytes are together and
  // then written to `sink`, which must outlive the body.
  static constexpr std::size_t kDefaultBlockSize = std::size_t{256} << 10;
  explicit AdifBody(TextSink& sink, std::size_t blockSize = kDefaultBlockSize);

  // Appends the field "<NAME:length>value" to the current line. An empty
  // value adds nothing. A field that would bring the line to 80 columns or
  // more ends the line and starts the next one (without a leading blank);
  // otherwise it follows the last field after one blank. A field too long
  // for any line stands whole on a line of its own.
  void AddField(std::string_view name, std::string_view value) {
    // Inline, so that the names, which are constants, are copied as such.
    if (value.empty()) return;
    char digits[kMaxDigits];
    std::string_view length;
    if (value.size() < 100) {  // nearly every value
      PutDigits(digits, static_cast<unsigned>(value.size()), 2);
      length = value.size() < 10 ? std::string_view(digits + 1, 1)
                                 : std::string_view(digits, 2);
    } else {
      length = LongLength(value.size(), digits);
    }
    // "<" name ":" length ">" value
    const std::size_t fieldSize =
        name.size() + length.size() + value.size() + 3;
    const int fieldLength = fieldSize < kWrapColumn
                                ? static_cast<int>(fieldSize)
                                : static_cast<int>(kWrapColumn);
    // The test leaves out the blank that follows, so a line reaches at most
    // 80 columns.
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

  // Closes a contact's record: " <EOR>\n" on the current line, without the
  // wrap test, and a line length that makes the next field start a new line
  // (so that every record is followed by an empty line).
  void EndRecord();

  // Ends the body: the current line and a line feed, then everything still
  // held goes to the sink. Nothing may be added afterwards. False when the
  // sink failed, now or earlier.
  [[nodiscard]] bool Finish();

  // False once the sink failed; the text after that is dropped, but the
  // body still takes fields, so that a run can go on to its end.
  [[nodiscard]] bool Ok() const { return ok_; }

  // The current line, and the length the wrap rule sees: the line's length,
  // or kLineLengthAfterRecord right after an end of record.
  std::string_view LineText() const { return HeldText().substr(lineStart_); }
  int LineLength() const { return lineLength_; }

  // The text not yet handed to the sink: finished lines, each followed by
  // '\n', then the current line.
  std::string_view HeldText() const { return {held_.data(), heldSize_}; }

 private:
  // Ends the current line with '\n' and starts an empty one; writes the
  // held text once a block is full.
  void FlushLine();
  void WriteHeld();
  static constexpr int kWrapColumn = 80;
  static constexpr std::size_t kMaxDigits = 24;
  // The decimal digits of a value's length of 100 or more, into `digits`.
  static std::string_view LongLength(std::size_t size, char* digits);

  // Room for `size` more bytes after the held text; returns where they go.
  char* Reserve(std::size_t size) {
    if (held_.size() - heldSize_ >= size) return held_.data() + heldSize_;
    return Grow(size);
  }
  char* Grow(std::size_t size);
  // Copies `text` to `out` and moves `out` behind it. Names, lengths and
  // values are short: up to 16 bytes go as two fixed-size copies that may
  // overlap, which the compiler turns into a few moves instead of a call.
  static void Put(char*& out, std::string_view text) {
    const char* from = text.data();
    const std::size_t size = text.size();
    if (size >= 8 && size <= 16) {
      std::memcpy(out, from, 8);
      std::memcpy(out + size - 8, from + size - 8, 8);
    } else if (size >= 4 && size < 8) {
      std::memcpy(out, from, 4);
      std::memcpy(out + size - 4, from + size - 4, 4);
    } else if (size >= 2 && size < 4) {
      std::memcpy(out, from, 2);
      std::memcpy(out + size - 2, from + size - 2, 2);
    } else if (size == 1) {
      *out = *from;
    } else if (size > 16) {
      std::memcpy(out, from, size);
    }
    out += size;
  }

  TextSink& sink_;
  std::size_t blockSize_;
  // Finished lines, then the current line, in the first heldSize_ bytes.
  std::vector<char> held_;
  std::size_t heldSize_ = 0;
  std::size_t lineStart_ = 0;  // where the current line starts in held_
  int lineLength_ = 0;
  bool ok_ = true;
};

}  // namespace kestrum
