// SPDX-License-Identifier: MIT
#include "cli/default_output.h"

#include <cstddef>

namespace kestrum::cli {

namespace {

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "/\\:";
constexpr char kSeparator = '\\';
#else
constexpr std::string_view kPathSeparators = "/";
constexpr char kSeparator = '/';
#endif

}  // namespace

std::string DefaultOutputPath(std::string_view logPath) {
  const std::size_t nameStart = logPath.size() - FileNameOf(logPath).size();
  const std::size_t lastDot = logPath.rfind('.');
  // A dot in a folder name, or one that starts the file name (a hidden file
  // such as ".bin"), does not begin an extension.
  const bool hasExtension =
      lastDot != std::string_view::npos && lastDot > nameStart;
  std::string output(hasExtension ? logPath.substr(0, lastDot) : logPath);
  output += kAdifExtension;
  return output;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t lastSeparator = path.find_last_of(kPathSeparators);
  return lastSeparator == std::string_view::npos
             ? path
             : path.substr(lastSeparator + 1);
}

std::string PathInFolder(std::string_view folder, std::string_view step) {
  std::string path(folder);
  if (!path.empty() &&
      kPathSeparators.find(path.back()) == std::string_view::npos) {
    path += kSeparator;
  }
  path += step;
  return path;
}

}  // namespace kestrum::cli
