// SPDX-License-Identifier: MIT
#include "ui/model/display_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrum {
namespace {

using enum TextEncoding;

TEST(DisplayTextTest, ChoosesEncodingPerText) {
  struct Case {
    std::string text;
    std::string shown;
    TextEncoding encoding;
  };
  const std::vector<Case> cases = {
      {"Unknown ZR version, can not convert.\n",
       "Unknown ZR version, can not convert.", kUtf8},
      {"", "", kUtf8},
      {"\n", "", kUtf8},
      // Only the one line feed that ends the line goes.
      {"a\n\n", "a\n", kUtf8},
      // A path in UTF-8.
      {"0 QSOs written to /tmp/J\xc3\xb6rg.adi",
       "0 QSOs written to /tmp/J\xc3\xb6rg.adi", kUtf8},
      {"4 bytes \xf0\x9f\x93\xbb", "4 bytes \xf0\x9f\x93\xbb", kUtf8},
      // Log texts in code page 1252.
      {"Operator is DL\xc4X", "Operator is DL\xc4X", kCp1252},
      {"\x80 sign", "\x80 sign", kCp1252},
      // Bytes that code page leaves undefined become '?'.
      {"\x81\x8d\x8f\x90\x9d\x9f", "?????\x9f", kCp1252},
      // Malformed UTF-8: stray continuation, cut sequence, overlong form,
      // surrogate, beyond U+10FFFF, invalid lead byte.
      {"\xa9", "\xa9", kCp1252},
      {"ab\xc3", "ab\xc3", kCp1252},
      {"\xc0\xaf", "\xc0\xaf", kCp1252},
      {"\xe0\x80\xaf", "\xe0\x80\xaf", kCp1252},
      {"\xed\xa0\x80", "\xed\xa0\x80", kCp1252},
      {"\xf4\x90\x80\x80", "\xf4?\x80\x80", kCp1252},
      {"\xf8\x88\x80\x80\x80", "\xf8\x88\x80\x80\x80", kCp1252},
  };
  for (const Case& c : cases) {
    const DisplayText shown = DisplayTextOf(c.text);
    EXPECT_EQ(shown.bytes, c.shown) << c.text;
    EXPECT_EQ(shown.encoding, c.encoding) << c.text;
  }
}

TEST(DisplayTextTest, AcceptsUtf8BoundaryCodePoints) {
  for (const char* text :
       {"\xc2\x80", "\xdf\xbf", "\xe0\xa0\x80", "\xed\x9f\xbf", "\xee\x80\x80",
        "\xef\xbf\xbf", "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf"}) {
    EXPECT_TRUE(IsValidUtf8(text)) << text;
  }
}

TEST(DisplayTextTest, MessageListKeepsOrderAndEmptyLines) {
  const std::vector<DisplayText> shown =
      MessageListDisplay({"info", "", "Unknown ZR version\n", ""});
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].bytes, "info");
  EXPECT_EQ(shown[1].bytes, "");
  EXPECT_EQ(shown[2].bytes, "Unknown ZR version");
  EXPECT_EQ(shown[3].bytes, "");
}

}  // namespace
}  // namespace kestrum
