// SPDX-License-Identifier: MIT
#include "run/overlapped_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrum {
namespace {

// Blocks handed over arrive whole and in order; the first failure is kept
// with its reason, every later block is refused, and Finish reports it.
TEST(OverlappedWriterTest, WritesInOrderAndReportsTheFirstFailure) {
  struct Case {
    int blocks;
    int failAt;  // the write that fails; -1 for none
  };
  for (const Case c :
       {Case{0, -1}, Case{1, -1}, Case{500, -1}, Case{1, 0}, Case{500, 3}}) {
    SCOPED_TRACE(testing::Message()
                 << c.blocks << " blocks, failing at " << c.failAt);
    std::string written;
    int calls = 0;
    bool laterRefused = true;
    {
      OverlappedWriter writer([&](std::string_view bytes, std::string& error) {
        if (calls++ == c.failAt) {
          error = "No space left on device";
          return false;
        }
        written += bytes;
        return true;
      });
      std::string expected;
      bool failed = false;
      for (int i = 0; i < c.blocks; ++i) {
        std::string block = "block " + std::to_string(i) + ";";
        if (c.failAt < 0 || i < c.failAt) expected += block;
        const bool taken = writer.Write(block);
        EXPECT_TRUE(block.empty());
        if (failed) laterRefused = laterRefused && !taken;
        // The failure shows once the thread has got to the failing block.
        if (!taken) failed = true;
      }
      EXPECT_EQ(writer.Finish(), c.failAt < 0);
      EXPECT_EQ(writer.Error(), c.failAt < 0 ? "" : "No space left on device");
      EXPECT_EQ(written, expected);
    }
    EXPECT_TRUE(laterRefused);
    EXPECT_EQ(calls, c.failAt < 0 ? c.blocks : c.failAt + 1);
  }
}

}  // namespace
}  // namespace kestrum
