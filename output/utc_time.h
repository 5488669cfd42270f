// SPDX-License-Identifier: MIT
// Calendar breakdown of contact times. Done here rather than with the C
// library's gmtime, which gives no result for times before 1970 on some
// systems: every system must write the same date for the same contact.
#pragma once

#include <cstdint>

namespace kestrum {

struct UtcTime {
  int year;    // proleptic Gregorian, e.g. 2011
  int month;   // 1-12
  int day;     // 1-31
  int hour;    // 0-23
  int minute;  // 0-59
  int second;  // 0-59
};

// The UTC calendar date and time of `seconds` since 1970-01-01 00:00 UTC.
// Negative values give times before 1970.
UtcTime BreakDownUtc(std::int64_t seconds);

}  // namespace kestrum
