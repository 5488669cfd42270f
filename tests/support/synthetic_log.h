// SPDX-License-Identifier: MIT
// A large log for timing conversions: a 10.xx CQ World Wide log with
// realistic contacts on the six contest bands, as many as asked for.
#pragma once

#include "tests/support/log_builder.h"

namespace kestrum::testing {

// The whole log file: header and `contacts` records.
Bytes SyntheticLog(int contacts);

}  // namespace kestrum::testing
