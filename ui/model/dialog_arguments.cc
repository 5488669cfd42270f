// SPDX-License-Identifier: MIT
#include "ui/model/dialog_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kestrum {
namespace {

// The toolkit's options that may take their value as the next argument.
constexpr std::array<std::string_view, 8> kToolkitOptionsWithValue = {
    "--display",   "--class",        "--name",      "--gtk-module",
    "--gdk-debug", "--gdk-no-debug", "--gtk-debug", "--gtk-no-debug"};

}  // namespace

DialogArguments ParseDialogArguments(
    const std::vector<std::string>& arguments) {
  DialogArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "--help" || argument == "-h") {
        parsed.help = true;
      } else if (argument == "--version") {
        parsed.version = true;
      } else if (std::find(kToolkitOptionsWithValue.begin(),
                           kToolkitOptionsWithValue.end(),
                           argument) != kToolkitOptionsWithValue.end()) {
        ++i;  // the option's value is no log
      }
    } else if (!parsed.log) {
      parsed.log = argument;
    } else {
      parsed.ignored.push_back(argument);
    }
  }
  return parsed;
}

}  // namespace kestrum
