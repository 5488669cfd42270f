// SPDX-License-Identifier: MIT
// The properties that every conversion run keeps, whatever bytes its log
// holds: shared by the damaged-log tests and the fuzz target, which run logs
// that no test states by hand.
#pragma once

#include <string>

#include "tests/support/fakes.h"
#include "tests/support/log_builder.h"

namespace kestrum::testing {

// Checks a MemoryRun that converted `log` from "in.bin" to "out.adi" with its
// pinned clock and no injected failure. Returns "" when every property holds,
// otherwise the first one broken, for people to read:
// - the run ends normally: no error box, one closing report with the count
//   written, the message list filled once, its groups each closed by one
//   empty line;
// - a refused header or version writes no ADIF file; a refused header shows
//   only its error line;
// - otherwise the ADIF file is well formed (CheckAdif), its header counts the
//   contacts written plus those skipped, and every whole record with a call
//   is accounted for: written, skipped with a warning, or ignored as a
//   satellite contact.
std::string CheckRunInvariants(const Bytes& log, const MemoryRun& run);

}  // namespace kestrum::testing
