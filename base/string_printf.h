// SPDX-License-Identifier: MIT
// printf-style formatting into a std::string of whatever length the result
// needs. Every message and output line of the conversion is built with the
// C library's formats, so that numbers are written exactly as printf writes
// them ("%4.2f" rounding, "%d" of negative numbers).
#pragma once

#include <string>

namespace kestrum {

#if defined(__GNUC__) || defined(__clang__)
#define KESTRUM_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define KESTRUM_PRINTF_FORMAT(f, a)
#endif

// The text that snprintf would produce for `format` and the arguments, never
// cut short.
std::string StringPrintf(const char* format, ...) KESTRUM_PRINTF_FORMAT(1, 2);

}  // namespace kestrum
