// SPDX-License-Identifier: MIT
// A small strict reader of the ADIF files the converter writes, for tests and
// the fuzz target: it checks that a file is well formed rather than what its
// fields say. It knows the converter's own layout: the free-text header with
// its "QSOs:" line, the header fields, <EOH>, then records of fields closed
// by <EOR>, each followed by an empty line.
#pragma once

#include <string>
#include <string_view>

namespace kestrum::testing {

// The widest body line, not counting the " <EOR>" that closes a record.
inline constexpr std::size_t kAdifLineColumns = 80;

struct AdifCheck {
  // Empty when the file is well formed; otherwise the first rule it breaks
  // and the byte offset where, for people to read.
  std::string problem;
  // The number in the header's "QSOs:" line; -1 when there is none.
  long long headerQsoCount = -1;
  // Records closed by <EOR>.
  int records = 0;

  bool WellFormed() const { return problem.empty(); }
};

// Checks, in this order: the header opens with the export line, carries one
// "QSOs:" count, the ADIF_VER, PROGRAMID and PROGRAMVERSION fields with the
// lengths they state, and ends in "<EOH>\n\n"; in the body every tag's stated
// length equals its value's length in bytes (the value is followed by a
// blank or a line end), no value is empty, every record starts with CALL and
// ends in " <EOR>\n\n", no line is wider than kAdifLineColumns except for the
// " <EOR>" tail, and a body without records is a single empty line.
AdifCheck CheckAdif(std::string_view text);

}  // namespace kestrum::testing
