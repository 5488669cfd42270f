// SPDX-License-Identifier: MIT
#include "ui/model/test_pause.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace kestrum {

void PauseIfTestAsks() {
  static const long milliseconds = [] {
    const char* const text = std::getenv("KESTRUM_UI_PAUSE_MS");
    if (text == nullptr) return 0L;
    const long value = std::strtol(text, nullptr, 10);
    return value > 0 && value <= 1000 ? value : 0L;
  }();
  if (milliseconds > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

}  // namespace kestrum
