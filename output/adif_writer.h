// SPDX-License-Identifier: MIT
// The ADIF text: field syntax, the 80-column line layout of the body, and the
// file header with the station lines and the final QSO count. Lines are built
// in the ConversionContext while contacts are translated and written at the
// end of the run, header first.
#pragma once

#include <string>
#include <string_view>

#include "core/conversion_context.h"
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

// Appends the field "<NAME:length>value" to the current line. An empty value
// adds nothing. A field that would bring the line to 80 columns or more
// starts a new line (without a leading blank); otherwise it follows the last
// field after one blank.
void AddField(ConversionContext& context, std::string_view name,
              std::string_view value);

// Moves a copy of the current line to the end of the finished lines. The
// current line itself is left as it is.
void FlushLine(ConversionContext& context);

// Closes the contact's record: " <EOR>\n" on the current line, and a line
// length that makes the next field start a new line.
void EndRecord(ConversionContext& context);

// The ADIF header: free text with the station lines and the QSO count, the
// header fields and the end-of-header tag. A '<' in a text from the log is
// written as '(' so that no reader takes it for the start of a field.
std::string FormatOutputHeader(const LogHeader& header,
                               const ConversionContext& context,
                               const BuildStamp& build);

// Writes the header and then every finished line, each followed by '\n'.
// Returns false when a write failed.
[[nodiscard]] bool WriteOutputFile(TextSink& file, const LogHeader& header,
                                   const ConversionContext& context,
                                   const BuildStamp& build = ThisBuild());

}  // namespace kestrum
