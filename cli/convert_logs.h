// SPDX-License-Identifier: MIT
// The batch: every planned conversion in turn, each a conversion run of its
// own, and the exit status of the whole.
#pragma once

#include <vector>

#include "cli/conversion_plan.h"
#include "cli/exit_status.h"
#include "core/conversion_options.h"
#include "run/conversion_run.h"

namespace kestrum::cli {

// Converts each of `conversions` in order with `options`, reporting through
// `env.ui`; an output folder still missing below -d is made first. A log
// that fails does not stop the ones after it. Returns
// kConverted when every run converted without an error, else
// kConversionError.
ExitStatus ConvertLogs(const std::vector<Conversion>& conversions,
                       const ConversionOptions& options, RunEnvironment& env);

}  // namespace kestrum::cli
