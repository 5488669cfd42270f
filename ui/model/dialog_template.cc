// SPDX-License-Identifier: MIT
#include "ui/model/dialog_template.h"

#include <array>
#include <string>

#include "kestrum/build_info.h"
#include "ui/model/control_ids.h"
#include "ui/model/dialog_texts.h"

namespace kestrum {
namespace {

using enum ControlKind;

// Tab order is this order. The "ADIF 3" box takes the place (and the last
// position) of the inert combo box the dialog once had. '&' marks each
// button's and box's mnemonic, a letter of its own in the dialog: it is
// shown underlined, and Alt with it works the control.
// clang-format off
constexpr std::array<ControlTemplate, 17> kMainControls = {{
    {kChooseInputButton,  kPushButton,     "&ZR BIN",     {168, 12, 48, 13}},
    {kChooseOutputButton, kPushButton,     "&ADIF",       {168, 42, 48, 12}},
    {kSixMetersBox,       kCheckBox,       "&6 Meters",   {12, 84, 44, 10}},
    {kContestIdBox,       kCheckBox,       "Contest &ID", {72, 108, 51, 10}},
    {kArrlSsBox,          kCheckBox,       "A&RRL SS",    {132, 108, 43, 10}},
    {kOperatorBox,        kCheckBox,       "&Operator",   {192, 84, 45, 10}},
    {kSecondsBox,         kCheckBox,       "&Seconds",    {192, 108, 43, 10}},
    {kVexoBox,            kCheckBox,       "&VEXO",       {252, 84, 35, 10}},
    {kWpxBox,             kCheckBox,       "&WPX",        {252, 108, 31, 10}},
    {kConvertButton,      kDefaultButton,  "&Convert",    {252, 6, 49, 12}},
    {kHelpButton,         kPushButton,     "&Help",       {252, 30, 48, 12}},
    {kExitButton,         kPushButton,     "E&xit",       {252, 54, 48, 12}},
    {kInputList,          kPathListBox,    "",            {12, 12, 144, 13}},
    {kOutputList,         kPathListBox,    "",            {12, 42, 144, 12}},
    {kMessageList,        kMessageListBox, "",            {12, 132, 288, 138}},
    {kFrequencyBox,       kCheckBox,       "&Frequency",  {72, 84, 50, 10}},
    {kAdif3Box,           kCheckBox,       "ADIF &3",     {12, 108, 48, 10}},
}};

constexpr std::array<ControlTemplate, 5> kAboutControls = {{
    {kNoControlId,   kStaticIcon,    "",                  {11, 17, 20, 20}},
    {kNoControlId,   kVersionText,   "",                  {40, 10, 119, 8}},
    {kNoControlId,   kStaticText,    text::kRightsLine,   {40, 25, 119, 8}},
    {kNoControlId,   kStaticText,    text::kLicenceLine,  {40, 37, 119, 8}},
    {kAboutOkButton, kDefaultButton, "OK",                {178, 7, 50, 16}},
}};
// clang-format on

constexpr DialogTemplate kMainDialog = {text::kMainTitle, 310, 281,
                                        kMainControls};
constexpr DialogTemplate kAboutDialog = {text::kAboutTitle, 235, 55,
                                         kAboutControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() { return kMainDialog; }

const DialogTemplate& AboutDialogTemplate() { return kAboutDialog; }

std::string_view AboutVersionLine() {
  static const std::string line =
      std::string(text::kVersionPrefix) + kProgramVersion;
  return line;
}

}  // namespace kestrum
