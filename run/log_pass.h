// SPDX-License-Identifier: MIT
// LogPass: one reading of a log from its first byte to its end, giving the
// contact records in large blocks of whole records and a digest of every
// byte read, so that the run's two readings (count, then convert) can be
// compared. A trailing piece shorter than a record is read but not given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/byte_digest.h"
#include "core/byte_reader.h"
#include "core/log_layout.h"
#include "run/file_access.h"

namespace kestrum {

// Records are read this many at a time.
inline constexpr std::size_t kRecordsPerBlock = 4096;

class LogPass {
 public:
  // Reads `file` from its start; the records begin at `firstRecord`. Fails
  // at once (Failed()) when the file cannot go back to its start.
  LogPass(InputFile& file, const LogLayout& layout, std::size_t firstRecord);

  // The next block of whole records; empty at the end of the records, or
  // when a read failed.
  ByteSpan NextRecords();

  // True when the file could not go back to its start or a read failed; the
  // file's Error() then says why (empty when the seek failed).
  bool Failed() const { return failed_; }

  // The bytes of records read so far (a trailing piece included).
  std::uint64_t RecordBytes() const {
    return digest_.Size() > firstRecord_ ? digest_.Size() - firstRecord_ : 0;
  }

  // What was read so far, header included.
  const ByteDigest& Digest() const { return digest_; }
  // The first bytes read, up to kLongestHeader of them: what the header
  // reader was given when the log was read before.
  ByteSpan Start() const { return start_; }

 private:
  // Reads into `into` (part of buffer_); returns the count, and notes the
  // end of the file or a failure.
  std::size_t ReadInto(std::span<std::byte> into);

  InputFile& file_;
  std::size_t recordSize_;
  std::size_t firstRecord_;
  std::vector<std::byte> buffer_;
  std::size_t carry_ = 0;    // bytes of a record begun at the end of a block
  std::size_t carryAt_ = 0;  // where they are, until the next call
  ByteDigest digest_;
  std::vector<std::byte> start_;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace kestrum
