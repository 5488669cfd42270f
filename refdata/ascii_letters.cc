// SPDX-License-Identifier: MIT
#include "refdata/ascii_letters.h"

#include <array>
#include <cstddef>

namespace kestrum {

namespace {

// ASCII spellings of code page 1252, keyed by the byte minus 0x80. Accented
// letters lose their accents (German umlauts included: "Mueller" would be a
// guess at the language), and no entry holds '<' or '>', so that no ADIF
// reader can mistake a value for a tag.
// clang-format off
constexpr auto AsciiLettersTable = std::to_array<std::string_view>({
    "EUR", "?",   ",",   "f",   "\"",  "...", "+",   "+",    // 0x80-0x87
    "^",   "%",   "S",   "'",   "OE",  "?",   "Z",   "?",    // 0x88-0x8f
    "?",   "'",   "'",   "\"",  "\"",  "*",   "-",   "-",    // 0x90-0x97
    "~",   "TM",  "s",   "'",   "oe",  "?",   "z",   "Y",    // 0x98-0x9f
    " ",   "!",   "c",   "L",   "?",   "Y",   "|",   "S",    // 0xa0-0xa7
    "\"",  "(C)", "a",   "\"",  "-",   "-",   "(R)", "-",    // 0xa8-0xaf
    "o",   "+-",  "2",   "3",   "'",   "u",   "P",   ".",    // 0xb0-0xb7
    ",",   "1",   "o",   "\"",  "1/4", "1/2", "3/4", "?",    // 0xb8-0xbf
    "A",   "A",   "A",   "A",   "A",   "A",   "AE",  "C",    // 0xc0-0xc7
    "E",   "E",   "E",   "E",   "I",   "I",   "I",   "I",    // 0xc8-0xcf
    "D",   "N",   "O",   "O",   "O",   "O",   "O",   "x",    // 0xd0-0xd7
    "O",   "U",   "U",   "U",   "U",   "Y",   "TH",  "ss",   // 0xd8-0xdf
    "a",   "a",   "a",   "a",   "a",   "a",   "ae",  "c",    // 0xe0-0xe7
    "e",   "e",   "e",   "e",   "i",   "i",   "i",   "i",    // 0xe8-0xef
    "d",   "n",   "o",   "o",   "o",   "o",   "o",   "/",    // 0xf0-0xf7
    "o",   "u",   "u",   "u",   "u",   "y",   "th",  "y",    // 0xf8-0xff
});
static_assert(AsciiLettersTable.size() == 128);
// clang-format on

// The 128 ASCII characters themselves, so that a look-up can hand out a view.
constexpr auto AsciiTable = [] {
  std::array<char, 128> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = static_cast<char>(i);
  }
  return table;
}();

}  // namespace

std::string_view AsciiLetters(unsigned char c) {
  if (c < 0x80) return std::string_view(&AsciiTable[c], 1);
  return AsciiLettersTable[static_cast<std::size_t>(c - 0x80)];
}

}  // namespace kestrum
