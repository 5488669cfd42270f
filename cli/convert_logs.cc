// SPDX-License-Identifier: MIT
#include "cli/convert_logs.h"

#include "core/conversion_context.h"
#include "core/log_header.h"

namespace kestrum::cli {

ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const ConversionOptions& options, RunEnvironment& env) {
  ExitStatus status = ExitStatus::kConverted;
  for (const Conversion& conversion : conversions) {
    // Each log starts afresh, as a newly opened dialog would.
    LogHeader header;
    ConversionContext context;
    static_cast<ConversionOptions&>(context) = options;
    const RunResult result = RunConversion(
        conversion.logPath, conversion.outputPath, header, context, env);
    if (result.status != RunStatus::kConverted) {
      status = ExitStatus::kConversionError;
    }
  }
  return status;
}

}  // namespace kestrum::cli
