// SPDX-License-Identifier: MIT
// ConversionOptions: the user's choices that shape the ADIF output, one per
// check box of the dialog (and per flag of the command line).
#pragma once

#include <string>

namespace kestrum {

// The defaults are those of a freshly opened dialog: "Seconds" and
// "Frequency" checked, everything else clear.
struct ConversionOptions {
  bool sixMeters = false;       // "6 Meters": DXPN band 10 of old logs is 6 m
  bool arrlSs = false;          // "ARRL SS": Sweepstakes COMMENT
  bool vexoOption = false;      // "VEXO": the FLAGS field
  bool operatorOption = false;  // "Operator": the OPERATOR field
  bool wpxOption = false;       // "WPX": the PFX field
  bool withSeconds = true;      // "Seconds": TIME_ON with seconds
  bool withFrequency = true;    // "Frequency": FREQ and FREQ_RX
  bool adif3 = false;           // "ADIF 3": ADIF 3.1.4 names and values
  // "ADIF" asks for generated contest identifiers; any other non-empty text is
  // written unchanged as every contact's CONTEST_ID; empty writes none.
  std::string contestIdText;
};

// The text the "Contest ID" box stores while checked.
inline constexpr char kGeneratedContestId[] = "ADIF";

}  // namespace kestrum
