// SPDX-License-Identifier: MIT
// ConversionContext: everything a conversion run keeps besides the log
// header: the user's options, the run's counters, the ADIF line being built
// and the finished lines, and the scratch fields of the contact in hand.
// The dialog (or the command line) owns one and hands it to every run.
#pragma once

#include <cstdint>
#include <string>

#include "core/conversion_options.h"
#include "core/output_line_list.h"

namespace kestrum {

// Right after an end of record the line length is set to this, so that the
// next field always starts a new line.
inline constexpr int kLineLengthAfterRecord = 99;

struct ConversionContext : ConversionOptions {
  std::string outputFileName;  // the file this run writes
  int qsosWritten = 0;         // contacts written or skipped with a warning
  int qsosIgnored = 0;         // contacts ignored as satellite contacts
  int lineLength = 0;          // what the wrap rule sees; 99 after <EOR>
  std::string lineText;        // the output line being built
  OutputLineList lines;        // finished lines, in output order

  // Scratch of the contact being translated, set afresh for each one.
  std::string flagText;   // one flag tag and its value, or empty
  std::string stateText;  // a province text not to report ("NT" or empty)
  int callIsUs = 0;
  int callIsCanadian = 0;

  std::int64_t startTime = 0;  // seconds since 1970 UTC when records began
};

}  // namespace kestrum
