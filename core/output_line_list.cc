// SPDX-License-Identifier: MIT
#include "core/output_line_list.h"

#include <algorithm>

namespace kestrum {

void OutputLineList::Clear() {
  blocks_.clear();
  lineCount_ = 0;
}

void OutputLineList::Append(std::string_view line) {
  if (blocks_.empty() ||
      blocks_.back().size() + line.size() + 1 > blocks_.back().capacity()) {
    const std::size_t size =
        blocks_.empty() ? kFirstBlockSize
                        : std::min(kBlockSize, 2 * blocks_.back().capacity());
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(size, line.size() + 1));
  }
  blocks_.back().append(line);
  blocks_.back().push_back('\n');
  ++lineCount_;
}

}  // namespace kestrum
