// SPDX-License-Identifier: MIT
// The numbers by which the main dialog's and the about box's controls are
// known. The desktop dialog uses them as window ids; a native Windows front
// end uses the same numbers in its dialog templates.
#pragma once

namespace kestrum {

// A plain enum on purpose: the values are window ids and go to the toolkit
// as ints.
enum ControlId : int {
  kConvertButton = 1,  // the default push button; also OK of the about box
  kExitButton = 2,
  kAboutCommand = 16,  // menu item "&About Kestrum..."
  kHelpButton = 1000,
  kInputList = 1001,
  kOutputList = 1002,
  kChooseInputButton = 1003,
  kChooseOutputButton = 1004,
  kSixMetersBox = 1005,
  kContestIdBox = 1006,
  // 1007 was never used.
  kSecondsBox = 1008,
  kArrlSsBox = 1009,
  kOperatorBox = 1010,
  kWpxBox = 1011,
  kVexoBox = 1012,
  kMessageList = 1013,
  kFrequencyBox = 1014,
  // 1015 was an inert combo box; its place now holds the "ADIF 3" box.
  kAdif3Box = 1016,
};

// The about box's OK button.
inline constexpr int kAboutOkButton = kConvertButton;

}  // namespace kestrum
