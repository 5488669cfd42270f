// SPDX-License-Identifier: MIT
// Temporary files that must not outlive the process (POSIX only). A file
// named here is removed when SIGINT, SIGTERM or SIGHUP arrives, before the
// signal ends the process as it would have without us: the signal is raised
// again with the disposition it had, or handed to the handler that was
// there. A signal the process ignores stays ignored. SIGKILL and a crash
// remove nothing; that is why the disk layer keeps files unnamed wherever
// the file system allows it.
#pragma once

#include <csignal>

namespace kestrum {

// Blocks the three signals in this thread while it lives, so that a step
// such as "create a file and name it here" is not cut in two. A signal
// that arrives meanwhile is delivered when the last HeldSignals ends.
class HeldSignals {
 public:
  HeldSignals();
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previous_;
};

// The longest name a slot holds, terminating zero included.
inline constexpr int kCleanupNameBytes = 64;

// Names the file `name` (shorter than kCleanupNameBytes, no '/') in the
// open folder `folder` for removal by the signals. Returns the slot to
// give to ForgetTemporaryName, or -1 when every slot is taken or the name
// is too long (the file is then not removed by a signal). Installs the
// handlers the first time.
int RememberTemporaryName(int folder, const char* name);

// Takes the name out of `slot` (-1 is no slot): the file was renamed or
// removed. `folder` must stay open until then.
void ForgetTemporaryName(int slot);

}  // namespace kestrum
