// SPDX-License-Identifier: MIT
#include "run/clock.h"

#include <chrono>

namespace kestrum {

std::int64_t SystemClock::Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace kestrum
