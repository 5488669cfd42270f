// SPDX-License-Identifier: MIT
#include "ui/model/dialog_model.h"

#include <algorithm>
#include <cctype>

#include "core/conversion_options.h"
#include "ui/model/control_ids.h"

namespace kestrum {
namespace {

constexpr std::string_view kOutputExtension = ".adi";
constexpr std::string_view kLogExtension = ".bin";

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

std::string DialogModel::OutputProposal() const {
  return ProposeOutputPath(inputPath_);
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
  const std::size_t dot = inputPath.rfind('.');
  if (dot == std::string_view::npos) return std::string(inputPath);
  std::string proposal(inputPath.substr(0, dot));
  proposal += kOutputExtension;
  return proposal;
}

std::optional<std::string> PickDroppedLog(
    const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (EndsWithIgnoringCase(path, kLogExtension)) return path;
  }
  return std::nullopt;
}

}  // namespace kestrum
