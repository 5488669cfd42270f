// SPDX-License-Identifier: MIT
// The clock of a conversion run: when the records start and how long they
// took, in whole seconds since 1970-01-01 00:00 UTC. Tests pin it.
#pragma once

#include <cstdint>

namespace kestrum {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t Now() = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t Now() override;
};

}  // namespace kestrum
