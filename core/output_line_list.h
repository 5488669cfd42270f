// SPDX-License-Identifier: MIT
// OutputLineList: the finished lines of an ADIF body, in output order, held
// until the run knows its final QSO count and can write the header first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

// Lines are packed into blocks, each line followed by '\n', so that a log of
// a million contacts costs little more memory than its ADIF text. Blocks
// start small and double up to kBlockSize, so that a short log does not pay
// for a large block.
class OutputLineList {
 public:
  void Clear();
  void Append(std::string_view line);

  std::size_t LineCount() const { return lineCount_; }

  // The blocks of text, each a run of whole lines ending in '\n'.
  const std::vector<std::string>& Blocks() const { return blocks_; }

 private:
  static constexpr std::size_t kFirstBlockSize = std::size_t{1} << 12;
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
  std::vector<std::string> blocks_;
  std::size_t lineCount_ = 0;
};

}  // namespace kestrum
