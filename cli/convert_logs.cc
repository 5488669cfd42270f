// SPDX-License-Identifier: MIT
#include "cli/convert_logs.h"

namespace kestrum::cli {

ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const ConversionOptions& options, RunEnvironment& env) {
  ExitStatus status = ExitStatus::kConverted;
  for (const Conversion& conversion : conversions) {
    const RunResult result = RunConversion(
        {conversion.logPath, conversion.outputPath, options}, env);
    if (result.status != RunStatus::kConverted) {
      status = ExitStatus::kConversionError;
    }
  }
  return status;
}

}  // namespace kestrum::cli
