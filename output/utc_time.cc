// SPDX-License-Identifier: MIT
#include "output/utc_time.h"

namespace kestrum {

UtcTime BreakDownUtc(std::int64_t seconds) {
  constexpr std::int64_t kSecondsPerDay = 86400;
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --days;
  }
  // Days since 1970-01-01 to a civil date, counting in 400-year eras that
  // start on 1 March (so that the leap day ends a year).
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day =
      static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month =
      static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year =
      static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return UtcTime{year,
                 month,
                 day,
                 static_cast<int>(secondOfDay / 3600),
                 static_cast<int>(secondOfDay / 60 % 60),
                 static_cast<int>(secondOfDay % 60)};
}

}  // namespace kestrum
