// SPDX-License-Identifier: MIT
// The band remap: a contact record stores the logger's own band number, whose
// meaning depends on the contest and the log version. RemapBand turns it into
// a band index of the NameTable through one of nine tables (A to I).
#pragma once

namespace kestrum {

// The band index of the satellite rows (row 12 of table B, row 16 of C, row 13
// of F). It names no band and has no frequency limits; the satellite rule of
// the translation ignores most contacts that reach it.
inline constexpr int kSatelliteBandIndex = 22;

// Band index (0-22) of a record's band number in a log of the given contest
// index and version (times 100). A band number past the last row of the table
// in use gives 0 (no band).
int RemapBand(int contestIndex, int version, int bandNumber);

}  // namespace kestrum
