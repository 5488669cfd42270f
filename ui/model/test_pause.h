// SPDX-License-Identifier: MIT
// A hook for the desktop tests, which must see a run in progress and press
// keys during it: the converter is quick enough to finish a large log before
// a test can look. When KESTRUM_UI_PAUSE_MS holds a number of milliseconds,
// the dialog waits that long at each step of a run's progress; without it
// (the only way users start the program) nothing changes.
#pragma once

namespace kestrum {

void PauseIfTestAsks();

}  // namespace kestrum
