// SPDX-License-Identifier: MIT
// DefaultRst: the signal report sent (and, in a few contests, received) for a
// mode: 599 for CW and RTTY, 59 for SSB and FM.
#pragma once

namespace kestrum {

// The default report of a mode index: 0 for 0, 599 for 1 (CW), 59 for 2
// (SSB), 599 for 3 (RTTY), 59 for 4 (FM); 0 for any index without a mode.
int DefaultRst(int modeIndex);

}  // namespace kestrum
