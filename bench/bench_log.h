// SPDX-License-Identifier: MIT
// Large logs for timing and measuring conversions: a 10.xx CQ World Wide log
// whose contacts look like a real contest's (calls from all over the world,
// portable calls, zones typed with and without a leading zero, both modes,
// the six contest bands, a few split contacts and a few busted calls), or
// one in which every contact draws a warning.
#pragma once

#include <cstdint>
#include <string>

namespace kestrum::bench {

enum class BenchLogKind {
  kRealistic,  // CQ World Wide, default options give few warnings
  kWarnings,   // CQ 160: every contact's state is unknown, one warning each
};

// Writes a log of `contacts` contact records to `path`, the same bytes for
// the same arguments; false when the file could not be written.
bool WriteBenchLog(const std::string& path, std::int64_t contacts,
                   BenchLogKind kind);

}  // namespace kestrum::bench
