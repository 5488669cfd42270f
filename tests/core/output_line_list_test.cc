// SPDX-License-Identifier: MIT
#include "core/output_line_list.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrum {
namespace {

std::string Joined(const OutputLineList& lines) {
  std::string text;
  for (const std::string& block : lines.Blocks()) text += block;
  return text;
}

// Blocks grow from a small first one; a line never straddles two blocks and
// the lines come back in the order they were added, also a line longer than
// any block.
TEST(OutputLineListTest, LinesKeepTheirOrderAcrossGrowingBlocks) {
  OutputLineList lines;
  lines.Append("<CALL:4>W1AW <EOR>\n");
  ASSERT_EQ(lines.Blocks().size(), 1u);
  EXPECT_LT(lines.Blocks().front().capacity(), std::size_t{64} << 10)
      << "a short log does not pay for a large block";

  std::string expected = "<CALL:4>W1AW <EOR>\n\n";
  for (int i = 0; i < 100000; ++i) {
    const std::string line =
        std::to_string(i) + std::string(static_cast<std::size_t>(i % 90), 'x');
    lines.Append(line);
    expected += line + "\n";
  }
  const std::string huge(3u << 20, 'h');
  lines.Append(huge);
  expected += huge + "\n";
  lines.Append("");
  expected += "\n";

  EXPECT_EQ(lines.LineCount(), 100003u);
  EXPECT_GT(lines.Blocks().size(), 2u);
  for (const std::string& block : lines.Blocks()) {
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(block.back(), '\n') << "blocks hold whole lines";
  }
  EXPECT_TRUE(Joined(lines) == expected);

  lines.Clear();
  EXPECT_EQ(lines.LineCount(), 0u);
  EXPECT_TRUE(lines.Blocks().empty());
}

}  // namespace
}  // namespace kestrum
