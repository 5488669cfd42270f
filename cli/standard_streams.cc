// SPDX-License-Identifier: MIT
#include "cli/standard_streams.h"

#include <optional>

#include "cli/file_identity.h"

namespace kestrum::cli {

namespace {

bool IsStandardStream(const std::string& path) {
  return path == kStandardStream;
}

}  // namespace

Opened<InputFile> StandardStreamFileAccess::OpenInput(const std::string& path) {
  return IsStandardStream(path) ? disk_.OpenStandardInput()
                                : disk_.OpenInput(path);
}

Opened<OutputFile> StandardStreamFileAccess::CreateOutput(
    const std::string& path, bool replaceExisting) {
  return IsStandardStream(path) ? disk_.CreateStandardOutput()
                                : disk_.CreateOutput(path, replaceExisting);
}

bool StandardStreamFileAccess::SameFile(const std::string& first,
                                        const std::string& second) {
  if (!IsStandardStream(first) && !IsStandardStream(second)) {
    return disk_.SameFile(first, second);
  }
  const std::optional<FileId> log =
      IsStandardStream(first) ? IdentifyStandardStream(StandardStream::kInput)
                              : IdentifyFile(first);
  const std::optional<FileId> adif =
      IsStandardStream(second) ? IdentifyStandardStream(StandardStream::kOutput)
                               : IdentifyFile(second);
  return log && adif && *log == *adif;
}

bool StandardStreamFileAccess::Exists(const std::string& path) {
  return !IsStandardStream(path) && disk_.Exists(path);
}

}  // namespace kestrum::cli
