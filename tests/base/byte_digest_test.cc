// SPDX-License-Identifier: MIT
#include "base/byte_digest.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace kestrum {
namespace {

std::vector<std::byte> Bytes(std::size_t size) {
  std::vector<std::byte> bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::byte>(i * 7 + i / 13);
  }
  return bytes;
}

std::uint64_t DigestInPieces(const std::vector<std::byte>& bytes,
                             std::size_t piece) {
  ByteDigest digest;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    digest.Add(
        std::span(bytes).subspan(at, std::min(piece, bytes.size() - at)));
  }
  EXPECT_EQ(digest.Size(), bytes.size());
  return digest.Value();
}

TEST(ByteDigestTest, SameBytesInAnyPiecesGiveTheSameValue) {
  const std::vector<std::byte> bytes = Bytes(1000);
  const std::uint64_t whole = DigestInPieces(bytes, bytes.size());
  for (const std::size_t piece :
       {1u, 3u, 7u, 8u, 9u, 31u, 32u, 33u, 64u, 100u, 999u}) {
    EXPECT_EQ(DigestInPieces(bytes, piece), whole) << piece;
  }
}

TEST(ByteDigestTest, AnyChangedByteOrLengthChangesTheValue) {
  const std::vector<std::byte> bytes = Bytes(300);
  const std::uint64_t original = DigestInPieces(bytes, 50);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::vector<std::byte> changed = bytes;
    changed[at] ^= std::byte{0x01};
    EXPECT_NE(DigestInPieces(changed, 50), original) << at;
  }
  for (const std::size_t size : {0u, 1u, 8u, 299u, 301u}) {
    std::vector<std::byte> other = Bytes(size);
    EXPECT_NE(DigestInPieces(other, 7), original) << size;
  }
  // Zeros of different lengths differ too.
  EXPECT_NE(DigestInPieces(std::vector<std::byte>(16), 16),
            DigestInPieces(std::vector<std::byte>(17), 16));
  // Words that trade places differ.
  std::vector<std::byte> swapped = bytes;
  std::swap_ranges(swapped.begin(), swapped.begin() + 8, swapped.begin() + 8);
  EXPECT_NE(DigestInPieces(swapped, 50), original);
}

}  // namespace
}  // namespace kestrum
