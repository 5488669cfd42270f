// SPDX-License-Identifier: MIT
#include "cli/default_output.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrum::cli {
namespace {

TEST(DefaultOutputTest, ReplacesTheExtensionOfTheFileName) {
  const struct {
    std::string log;
    std::string output;
  } cases[] = {
      {"contest.bin", "contest.adi"},
      {"contest.BIN.old", "contest.BIN.adi"},
      {"contest.", "contest.adi"},
      {"/home/ham/contest.bin", "/home/ham/contest.adi"},
      // A '.' in a folder name is no extension.
      {"logs.2011/contest.bin", "logs.2011/contest.adi"},
      {"logs.2011/contest", "logs.2011/contest.adi"},
      {"./contest", "./contest.adi"},
      {"../contest", "../contest.adi"},
      {"contest", "contest.adi"},
      // A leading '.' marks a hidden file, not an extension.
      {".bin", ".bin.adi"},
      {"logs/.bin", "logs/.bin.adi"},
      {"logs/.hidden.bin", "logs/.hidden.adi"},
      // Bytes stay as they are, whatever their encoding.
      {"Log Files/\xC3\x86r\xC3\xB8 contest.bin",
       "Log Files/\xC3\x86r\xC3\xB8 contest.adi"},
      {"\xE9t\xE9.bin", "\xE9t\xE9.adi"},
      // The log itself: callers refuse it.
      {"contest.adi", "contest.adi"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultOutputPath(c.log), c.output) << c.log;
  }
}

}  // namespace
}  // namespace kestrum::cli
