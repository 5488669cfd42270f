// SPDX-License-Identifier: MIT
// ByteDigest: a 64-bit fingerprint of a stream of bytes, to tell whether two
// readings of one file gave the same bytes. Fast rather than secure: it
// guards against a file that changed between readings, not against anyone
// who forges one. The result does not depend on how the bytes are cut into
// pieces.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace kestrum {

class ByteDigest {
 public:
  void Add(std::span<const std::byte> bytes) {
    size_ += bytes.size();
    // Complete a word begun by an earlier piece.
    while (pendingSize_ != 0 && !bytes.empty()) {
      pending_[pendingSize_++] = bytes.front();
      bytes = bytes.subspan(1);
      if (pendingSize_ == 8) {
        MixWord(pending_.data());
        pendingSize_ = 0;
      }
    }
    // Whole words, four at a time into four lanes that do not wait for one
    // another, then one at a time.
    const std::byte* word = bytes.data();
    const std::size_t words = bytes.size() / 8;
    std::size_t i = 0;
    for (; i < words && lane_ != 0; ++i, word += 8) MixWord(word);
    for (; i + 4 <= words; i += 4, word += 32) {
      for (std::size_t lane = 0; lane < 4; ++lane) {
        lanes_[lane] = Mix(lanes_[lane], LittleEndianWord(word + 8 * lane));
      }
    }
    for (; i < words; ++i, word += 8) MixWord(word);
    for (const std::byte b : bytes.subspan(words * 8)) {
      pending_[pendingSize_++] = b;
    }
  }

  // The fingerprint of every byte added so far, and their number.
  std::uint64_t Value() const {
    std::uint64_t state = size_;
    for (const std::uint64_t lane : lanes_) {
      state = Mix(state, lane ^ (lane >> 29));
      state ^= state >> 31;
    }
    for (std::size_t i = 0; i < pendingSize_; ++i) {
      state = Mix(state, std::to_integer<std::uint64_t>(pending_[i]) + 256);
      state ^= state >> 31;
    }
    return state ^ (state >> 29);
  }
  std::uint64_t Size() const { return size_; }

 private:
  static constexpr std::uint64_t kPrime = 0x100000001b3ull * 0x9e3779b1ull;

  static std::uint64_t LittleEndianWord(const std::byte* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
      std::uint64_t swapped = 0;
      for (int i = 0; i < 8; ++i)
        swapped = swapped << 8 | (word >> 8 * i & 0xff);
      word = swapped;
    }
    return word;
  }
  // Each lane multiplies by an odd number, which loses nothing: a word
  // that differs always gives a lane that differs.
  static std::uint64_t Mix(std::uint64_t state, std::uint64_t word) {
    return (state ^ word) * kPrime;
  }
  // The next word of the stream goes into the lane its position gives.
  void MixWord(const std::byte* word) {
    lanes_[lane_] = Mix(lanes_[lane_], LittleEndianWord(word));
    lane_ = (lane_ + 1) % 4;
  }

  std::array<std::uint64_t, 4> lanes_ = {
      0xcbf29ce484222325ull, 0x84222325cbf29ce4ull, 0x9e3779b97f4a7c15ull,
      0x7f4a7c159e3779b9ull};
  std::size_t lane_ = 0;  // the lane of the next whole word
  std::array<std::byte, 8> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace kestrum
