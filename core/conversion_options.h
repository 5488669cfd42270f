// SPDX-License-Identifier: MIT
// ConversionOptions: the user's choices that shape the ADIF output, one per
// check box of the dialog (and per flag of the command line).
#pragma once

#include <string>

namespace kestrum {

// Flags hold 0 or 1. The defaults are those of a freshly opened dialog:
// "Seconds" and "Frequency" checked, everything else clear.
struct ConversionOptions {
  int sixMeters = 0;       // "6 Meters": Dxpedition band 10 of old logs is 6 m
  int arrlSs = 0;          // "ARRL SS": Sweepstakes COMMENT
  int vexoOption = 0;      // "VEXO": the FLAGS field
  int operatorOption = 0;  // "Operator": the OPERATOR field
  int wpxOption = 0;       // "WPX": the PFX field
  int withSeconds = 1;     // "Seconds": TIME_ON with seconds
  int withFrequency = 1;   // "Frequency": FREQ and FREQ_RX
  int adif3 = 0;           // "ADIF 3": ADIF 3.1.4 names and values
  // "ADIF" asks for generated contest identifiers; any other non-empty text is
  // written unchanged as every contact's CONTEST_ID; empty writes none.
  std::string contestIdText;
};

// The text the "Contest ID" box stores while checked.
inline constexpr char kGeneratedContestId[] = "ADIF";

}  // namespace kestrum
