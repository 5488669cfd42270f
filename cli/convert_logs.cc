// SPDX-License-Identifier: MIT
#include "cli/convert_logs.h"

#include <filesystem>
#include <system_error>

namespace kestrum::cli {

ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const ConversionOptions& options, RunEnvironment& env) {
  ExitStatus status = ExitStatus::kConverted;
  for (const Conversion& conversion : conversions) {
    if (!conversion.folderToMake.empty()) {
      std::error_code error;
      std::filesystem::create_directories(conversion.folderToMake, error);
      if (error) {
        env.ui.ShowErrorBox("ERROR:  Could not create folder " +
                            conversion.folderToMake + ": " + error.message() +
                            ".");
        status = ExitStatus::kConversionError;
        continue;
      }
    }
    const RunResult result = RunConversion(
        {conversion.logPath, conversion.outputPath, options}, env);
    if (result.status != RunStatus::kConverted) {
      status = ExitStatus::kConversionError;
    }
  }
  return status;
}

}  // namespace kestrum::cli
