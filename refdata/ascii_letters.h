// SPDX-License-Identifier: MIT
// AsciiLetters: how a character of code page 1252 above 127 is written in
// plain ASCII (letters without their accents, ligatures spelled out, typed
// punctuation as its ASCII look-alike), for output formats that take ASCII
// only.
#pragma once

#include <string_view>

namespace kestrum {

// The ASCII text of the code page 1252 character `c`: `c` itself below 128;
// one to three ASCII characters above ("\xFC" u-umlaut gives "u", "\xC6" AE
// gives "AE", "\x85" ellipsis gives "..."); "?" for the five codes that the
// code page leaves unassigned.
std::string_view AsciiLetters(unsigned char c);

}  // namespace kestrum
