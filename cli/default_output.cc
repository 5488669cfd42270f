// SPDX-License-Identifier: MIT
#include "cli/default_output.h"

#include <cstddef>

namespace kestrum::cli {

namespace {

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "/\\:";
#else
constexpr std::string_view kPathSeparators = "/";
#endif

}  // namespace

std::string DefaultOutputPath(std::string_view logPath) {
  const std::size_t lastSeparator = logPath.find_last_of(kPathSeparators);
  const std::size_t nameStart =
      lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
  const std::size_t lastDot = logPath.rfind('.');
  // A dot in a folder name, or one that starts the file name (a hidden file
  // such as ".bin"), does not begin an extension.
  const bool hasExtension =
      lastDot != std::string_view::npos && lastDot > nameStart;
  std::string output(hasExtension ? logPath.substr(0, lastDot) : logPath);
  output += kAdifExtension;
  return output;
}

}  // namespace kestrum::cli
