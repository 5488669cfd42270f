// SPDX-License-Identifier: MIT
#include "refdata/call_prefix.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// Suffixes after the last '/' that never change the prefix, compared whole and
// case-sensitively.
// clang-format off
constexpr std::array<std::string_view, 15> PortableDesignators =
    std::to_array<std::string_view>({
    "AA",
    "AE",
    "AG",
    "AIR",
    "AM",
    "ANT",
    "BCN",
    "FJL",
    "IMD",
    "LGT",
    "LH",
    "LHT",
    "MM",
    "MVI",
    "QRP",
});
// clang-format on

namespace {

// Call signs are upper case: lower-case letters are not letters here.
constexpr bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text`, read as the C library reads a number (leading white space,
// an optional sign, digits), is 10 or more: no minus sign, and at least two
// digits once its leading zeros are passed.
bool NumberIsAboveNine(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string_view::npos || text[i] == '-') return false;
  if (text[i] == '+') ++i;
  while (i < text.size() && text[i] == '0') ++i;
  return i + 1 < text.size() && IsDigit(text[i]) && IsDigit(text[i + 1]);
}

bool IsPortableDesignator(std::string_view suffix) {
  return std::find(PortableDesignators.begin(), PortableDesignators.end(),
                   suffix) != PortableDesignators.end();
}

// The prefix of a call without '/': the call up to and including its first run
// of digits. A call that begins with a digit keeps the letters after it; a
// call without a second run of digits, or without any digit, is completed
// with "0".
std::optional<std::string> PlainCallPrefix(std::string_view call) {
  enum class State { kStart, kAfterLeadingDigit, kDigits };
  const std::size_t length = call.size();
  State state = State::kStart;
  for (std::size_t i = 0;; ++i) {
    const bool atEnd = i == length;
    const char c = atEnd ? '\0' : call[i];
    switch (state) {
      case State::kStart:
        if (atEnd) return std::nullopt;
        if (IsUpperLetter(c)) {
          if (i + 1 == length) return CopyPrefix(call, i == 0 ? 1 : 2, true);
          if (IsDigit(call[i + 1])) state = State::kDigits;
        } else if (IsDigit(c)) {
          state = State::kAfterLeadingDigit;
        } else {
          return std::nullopt;
        }
        break;
      case State::kAfterLeadingDigit:
        if (atEnd) return CopyPrefix(call, length, true);
        if (IsDigit(c)) {
          state = State::kDigits;
        } else if (!IsUpperLetter(c)) {
          return std::nullopt;
        }
        break;
      case State::kDigits:
        if (atEnd) return CopyPrefix(call, length, false);
        if (IsUpperLetter(c)) return CopyPrefix(call, i, false);
        if (!IsDigit(c)) return std::nullopt;
        break;
    }
  }
}

// A call-area digit after the '/' replaces the base's last digit. The first
// character is never replaced: 2EABC/3 keeps its leading 2.
void ReplaceLastDigit(std::string& base, char digit) {
  for (std::size_t i = base.size(); i-- > 1;) {
    if (IsDigit(base[i])) {
      base[i] = digit;
      return;
    }
  }
}

}  // namespace

std::string CopyPrefix(std::string_view call, std::size_t count,
                       bool appendZero) {
  std::string prefix(call.substr(0, count));
  if (appendZero) prefix += '0';
  return prefix;
}

std::optional<std::string> EffectivePrefix(std::string_view call) {
  // Every '/' rule ends by taking the prefix of a shorter text (the base, the
  // suffix or a single letter), so the rules run as a loop that cuts `work`
  // down in place rather than as recursion: a text with thousands of '/'
  // neither exhausts the stack nor is copied once per '/'.
  std::string work(call);
  for (;;) {
    const std::size_t slash = work.rfind('/');
    if (slash == std::string::npos) return PlainCallPrefix(work);

    const std::string_view base = std::string_view(work).substr(0, slash);
    const std::string_view suffix = std::string_view(work).substr(slash + 1);
    if (base.size() == suffix.size()) return std::nullopt;  // AB/CD

    if (suffix.size() == 1) {
      const char c = suffix[0];
      if (c == 'F' || c == 'G' || c == 'I') {
        work.assign(1, c);  // Operating from France, England or Italy.
      } else if (IsUpperLetter(c)) {
        work.resize(slash);  // /P, /M, /A and the like.
      } else if (IsDigit(c)) {
        work.resize(slash);
        ReplaceLastDigit(work, c);
      } else {
        return std::nullopt;
      }
    } else if (IsPortableDesignator(suffix) || NumberIsAboveNine(suffix) ||
               (suffix.size() >= 2 && suffix[0] == '0' && IsDigit(suffix[1]))) {
      work.resize(slash);  // /QRP, /MM, /10, /05: not a location.
    } else if (suffix.size() < base.size()) {
      work.erase(0, slash + 1);  // K1ABC/VE3: the shorter part is the suffix.
    } else {
      work.resize(slash);  // VE3/K1ABC: the shorter part is the base.
    }
  }
}

}  // namespace kestrum
