// SPDX-License-Identifier: MIT
#include "cli/convert_logs.h"

#include <optional>
#include <string>

#include "cli/log_folders.h"
#include "run/conversion_run.h"

namespace kestrum::cli {

ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const CommandLine& commandLine, ConsoleUi& console,
                       FileAccess& files, Clock& clock) {
  RunEnvironment env{console, files, clock};
  ExitStatus status = ExitStatus::kConverted;
  for (const Conversion& conversion : conversions) {
    console.StartLog(conversion.logPath);
    if (!conversion.folderToMake.empty()) {
      if (const std::optional<std::string> problem =
              MakeFolders(conversion.folderToMake)) {
        console.PrintDiagnostic("ERROR:  Could not create folder " +
                                conversion.folderToMake + ": " + *problem +
                                ".");
        status = ExitStatus::kConversionError;
        continue;
      }
    }
    const RunRequest request{conversion.logPath, conversion.outputPath,
                             commandLine.options, !commandLine.noClobber};
    const RunResult result = RunConversion(request, env);
    switch (result.status) {
      case RunStatus::kConverted:
        if (result.replacedExisting && !commandLine.quiet) {
          console.PrintDiagnostic("replaced " + conversion.outputPath);
        }
        break;
      case RunStatus::kOutputExists:
        console.PrintDiagnostic("skipped " + conversion.logPath + ": " +
                                conversion.outputPath + " exists");
        break;
      default:
        status = ExitStatus::kConversionError;
        break;
    }
  }
  return status;
}

}  // namespace kestrum::cli
