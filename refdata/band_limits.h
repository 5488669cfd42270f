// SPDX-License-Identifier: MIT
// BandLimits: the lower and upper frequency of every band index, in MHz, and
// the in-band test that decides whether a contact's frequency is written.
#pragma once

namespace kestrum {

struct BandLimit {
  double lowerMhz;
  double upperMhz;
};

// True when `megahertz` lies between the band's lower limit minus 0.001 and its
// upper limit plus 0.001, both ends included. Band index 0 has the limits 0 to
// 0; an index without limits (22 and above, or negative) is never in band.
bool IsInBand(double megahertz, int bandIndex);

}  // namespace kestrum
