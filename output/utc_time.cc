// SPDX-License-Identifier: MIT
#include "output/utc_time.h"

namespace kestrum {
namespace {

struct CivilDate {
  int year;
  int month;
  int day;
};

// Days since 1970-01-01 to a civil date, counting in 400-year eras that
// start on 1 March (so that the leap day ends a year). `Int` is wide enough
// for the days and the eras: a plain int for every date a 32-bit contact
// time reaches, which keeps the arithmetic cheap on every contact.
template <typename Int>
CivilDate CivilFromDays(Int days) {
  days += 719468;
  const Int era = (days >= 0 ? days : days - 146096) / 146097;
  const Int dayOfEra = days - era * 146097;
  const Int yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const Int dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const Int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day =
      static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month =
      static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year =
      static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return CivilDate{year, month, day};
}

}  // namespace

UtcTime BreakDownUtc(std::int64_t seconds) {
  constexpr std::int64_t kSecondsPerDay = 86400;
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --days;
  }
  // A log's contacts come in order, most of them on the day of the one
  // before: the date of the last day asked for is kept.
  thread_local std::int64_t lastDays = 0;
  thread_local CivilDate lastDate = CivilFromDays(0);
  if (days != lastDays) {
    // About a million years either side of 1970 fit the narrow arithmetic.
    constexpr std::int64_t kNarrowDays = 365000000;
    lastDate = days > -kNarrowDays && days < kNarrowDays
                   ? CivilFromDays(static_cast<int>(days))
                   : CivilFromDays(days);
    lastDays = days;
  }
  const CivilDate date = lastDate;
  const int second = static_cast<int>(secondOfDay);
  return UtcTime{date.year,     date.month,       date.day,
                 second / 3600, second / 60 % 60, second % 60};
}

}  // namespace kestrum
