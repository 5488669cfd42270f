// SPDX-License-Identifier: MIT
#include "ui/model/dialog_model.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/conversion_options.h"
#include "ui/model/control_ids.h"

namespace kestrum {
namespace {

constexpr std::string_view kOutputExtension = ".adi";
constexpr std::string_view kLogExtension = ".bin";

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "/\\:";
#else
constexpr std::string_view kPathSeparators = "/";
#endif

// Where the file name of `path` starts.
std::size_t FileNameStart(std::string_view path) {
  const std::size_t separator = path.find_last_of(kPathSeparators);
  return separator == std::string_view::npos ? 0 : separator + 1;
}

// The '.' that starts the extension of the file name of `path`, or npos.
// A '.' that starts the name (a hidden file) begins no extension.
std::size_t ExtensionDot(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot <= FileNameStart(path)) {
    return std::string_view::npos;
  }
  return dot;
}

// The flag field that box `boxId` sets, or null ("Contest ID" stores a
// text, any other id is no option box).
bool ConversionOptions::*FlagOfBox(int boxId) {
  switch (boxId) {
    case kSixMetersBox:
      return &ConversionOptions::sixMeters;
    case kArrlSsBox:
      return &ConversionOptions::arrlSs;
    case kVexoBox:
      return &ConversionOptions::vexoOption;
    case kOperatorBox:
      return &ConversionOptions::operatorOption;
    case kWpxBox:
      return &ConversionOptions::wpxOption;
    case kSecondsBox:
      return &ConversionOptions::withSeconds;
    case kFrequencyBox:
      return &ConversionOptions::withFrequency;
    case kAdif3Box:
      return &ConversionOptions::adif3;
    default:
      return nullptr;
  }
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() &&
         std::equal(tail.begin(), tail.end(), text.end() - tail.size(),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

}  // namespace

void DialogModel::AcceptInput(std::string path) {
  inputPath_ = std::move(path);
  outputPath_ = ProposeOutputPath(inputPath_);
  outputConfirmed_ = false;
}

void DialogModel::AcceptOutput(std::string path) {
  outputPath_ = std::move(path);
  outputConfirmed_ = true;
}

bool DialogModel::ClickOption(int boxId, bool checked) {
  if (boxId == kContestIdBox) {
    options_.contestIdText = checked ? kGeneratedContestId : "";
    return true;
  }
  bool ConversionOptions::*flag = FlagOfBox(boxId);
  if (flag == nullptr) return false;
  options_.*flag = checked;
  return true;
}

std::optional<bool> DialogModel::IsOptionChecked(int boxId) const {
  if (boxId == kContestIdBox) return !options_.contestIdText.empty();
  bool ConversionOptions::*flag = FlagOfBox(boxId);
  if (flag == nullptr) return std::nullopt;
  return options_.*flag;
}

std::string ProposeOutputPath(std::string_view inputPath) {
  if (inputPath.empty()) return std::string();
  std::string proposal(inputPath.substr(0, ExtensionDot(inputPath)));
  proposal += kOutputExtension;
  return proposal;
}

std::string WithAdifExtension(std::string_view path) {
  std::string withExtension(path);
  if (ExtensionDot(path) == std::string_view::npos) {
    withExtension += kOutputExtension;
  }
  return withExtension;
}

std::string FolderOf(std::string_view path) {
  const std::size_t start = FileNameStart(path);
  if (start == 0) return std::string();
  // A root folder ("/", "C:\\") keeps its separator.
  std::size_t end = start - 1;
  if (end == 0 || path[end - 1] == ':') end = start;
  return std::string(path.substr(0, end));
}

std::string_view FileNameOf(std::string_view path) {
  return path.substr(FileNameStart(path));
}

std::vector<std::string> DroppedLogs(const std::vector<std::string>& paths) {
  std::vector<std::string> logs;
  for (const std::string& path : paths) {
    if (EndsWithIgnoringCase(path, kLogExtension)) logs.push_back(path);
  }
  return logs;
}

}  // namespace kestrum
