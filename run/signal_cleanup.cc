// SPDX-License-Identifier: MIT
#include "run/signal_cleanup.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace kestrum {
namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSlots = 16;

// One remembered file. The handler reads a slot only while `named` is set;
// a thread fills it in before setting `named` and clears `named` before it
// lets the slot go, so the handler never sees half a name.
struct Slot {
  std::atomic<bool> taken{false};
  std::atomic<bool> named{false};
  int folder = -1;
  char name[kCleanupNameBytes] = {};
};

static_assert(std::atomic<bool>::is_always_lock_free,
              "the signal handler reads the slots");

std::array<Slot, kSlots> slots;
// What each of kEndingSignals did before our handler, in the same order.
std::array<struct sigaction, kEndingSignals.size()> previousActions;
std::mutex installing;

// Only async-signal-safe calls in here.
void OnEndingSignal(int number, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  for (Slot& slot : slots) {
    if (slot.named.load(std::memory_order_acquire)) {
      unlinkat(slot.folder, slot.name, 0);
    }
  }
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
    if (kEndingSignals[i] != number) continue;
    struct sigaction& previous = previousActions[i];
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
      previous.sa_sigaction(number, info, context);
    } else if (previous.sa_handler != SIG_DFL &&
               previous.sa_handler != SIG_IGN) {
      previous.sa_handler(number);
    } else {
      // The signal stays blocked until this handler returns; then it ends
      // the process as it would have without us.
      sigaction(number, &previous, nullptr);
      raise(number);
    }
  }
  errno = savedErrno;
}

// Puts our handler in front of whatever each signal does now, unless it is
// there already or the signal is ignored (nohup): an ignored signal ends
// nothing.
void InstallHandlers() {
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
    struct sigaction current;
    if (sigaction(kEndingSignals[i], nullptr, &current) != 0) continue;
    if ((current.sa_flags & SA_SIGINFO) != 0
            ? current.sa_sigaction == OnEndingSignal
            : current.sa_handler == SIG_IGN) {
      continue;
    }
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = OnEndingSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int other : kEndingSignals) sigaddset(&action.sa_mask, other);
    sigaction(kEndingSignals[i], &action, &previousActions[i]);
  }
}

}  // namespace

HeldSignals::HeldSignals() {
  sigset_t ending;
  sigemptyset(&ending);
  for (const int number : kEndingSignals) sigaddset(&ending, number);
  pthread_sigmask(SIG_BLOCK, &ending, &previous_);
}

HeldSignals::~HeldSignals() {
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int RememberTemporaryName(int folder, const char* name) {
  if (std::strlen(name) >= static_cast<std::size_t>(kCleanupNameBytes)) {
    return -1;
  }
  {
    // A handler set since the last time would have replaced ours.
    const std::lock_guard<std::mutex> lock(installing);
    InstallHandlers();
  }
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = slots[static_cast<std::size_t>(i)];
    bool expected = false;
    if (!slot.taken.compare_exchange_strong(expected, true)) continue;
    slot.folder = folder;
    std::strcpy(slot.name, name);
    slot.named.store(true, std::memory_order_release);
    return i;
  }
  return -1;
}

void ForgetTemporaryName(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  Slot& forgotten = slots[static_cast<std::size_t>(slot)];
  forgotten.named.store(false, std::memory_order_release);
  forgotten.taken.store(false, std::memory_order_release);
}

}  // namespace kestrum
