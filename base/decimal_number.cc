// SPDX-License-Identifier: MIT
#include "base/decimal_number.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include "base/c_text.h"

// libc++ gained std::from_chars for double in version 17.
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 170000
#define KESTRUM_DOUBLE_FROM_CHARS 0
#else
#define KESTRUM_DOUBLE_FROM_CHARS 1
#endif

namespace kestrum {
namespace {

// The digits, the optional '.' and the fraction at the start of `text`.
std::string_view NumberAtStart(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && IsDigit(text[end])) ++end;
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && IsDigit(text[end])) ++end;
  }
  return text.substr(0, end);
}

}  // namespace

std::optional<double> ReadDecimalNumberWithStrtod(std::string_view text) {
  const std::string_view number = NumberAtStart(text);
  // strtod wants a terminated text, and the decimal point of the current
  // locale in place of '.'.
  const char point = *std::localeconv()->decimal_point;
  std::string terminated(number);
  for (char& c : terminated) {
    if (c == '.') c = point;
  }
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(terminated.c_str(), &end);
  if (end == terminated.c_str()) return std::nullopt;
  // strtod also reports a subnormal result as out of range; from_chars takes
  // it and refuses only infinity and a non-zero number read as zero.
  if (errno == ERANGE && (std::isinf(value) || value == 0.0)) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> ReadDecimalNumber(std::string_view text) {
#if KESTRUM_DOUBLE_FROM_CHARS
  const std::string_view number = NumberAtStart(text);
  double value = 0.0;
  const auto parsed =
      std::from_chars(number.data(), number.data() + number.size(), value,
                      std::chars_format::fixed);
  if (parsed.ec != std::errc()) return std::nullopt;
  return value;
#else
  return ReadDecimalNumberWithStrtod(text);
#endif
}

}  // namespace kestrum
