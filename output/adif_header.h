// SPDX-License-Identifier: MIT
// The ADIF file header: free text with the station lines of the log header
// and the QSO count, then the header fields and the end-of-header tag. It is
// written before the body (output/adif_body.h), so the count must be known
// first.
#pragma once

#include <cstdint>
#include <string>

#include "core/conversion_options.h"
#include "core/log_header.h"
#include "output/text_sink.h"

namespace kestrum {

// The converter's own build stamp for the "Last revised" header line.
struct BuildStamp {
  std::string date;  // "May 28 2011"
  std::string time;  // "11:01:24"
};

// The stamp of this build.
BuildStamp ThisBuild();

// What a header says of its run besides the log's header.
struct OutputFacts {
  int qsosWritten = 0;         // contacts written or skipped with a warning
  std::int64_t startTime = 0;  // when the run began converting, seconds
                               // since 1970 UTC: the notice's closing year
};

// The header text. A '<' in a text from the log is written as '(' so that no
// reader takes it for the start of a field.
std::string FormatOutputHeader(const LogHeader& header,
                               const ConversionOptions& options,
                               const OutputFacts& facts,
                               const BuildStamp& build = ThisBuild());

// Writes the header to `file`; false when the write failed.
[[nodiscard]] bool WriteOutputHeader(TextSink& file, const LogHeader& header,
                                     const ConversionOptions& options,
                                     const OutputFacts& facts,
                                     const BuildStamp& build = ThisBuild());

}  // namespace kestrum
