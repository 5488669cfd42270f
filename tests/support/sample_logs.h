// SPDX-License-Identifier: MIT
// The sample logs that ship in examples/: realistic logs of every generation
// and a spread of contests, with warnings, skipped and satellite contacts
// among them. tools/make_samples writes them; the tests check that the files
// in examples/ are exactly these and convert them to known ADIF text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/log_builder.h"

namespace kestrum::testing {

struct SampleLog {
  std::string name;  // file name without extension, e.g. "cqww-7xx"
  TestHeader header;
  std::vector<TestRecord> records;
};

std::vector<SampleLog> SampleLogs();

// Test names and failure messages show a sample by its name.
inline void PrintTo(const SampleLog& sample, std::ostream* out) {
  *out << sample.name;
}

}  // namespace kestrum::testing
