// SPDX-License-Identifier: MIT
// OverlappedWriter: writes blocks of bytes on a thread of its own, so that
// the time the system takes to write one block overlaps the time the
// converter takes to fill the next. One block is written while the caller
// fills another; handing over a third waits for the first. Where no thread
// can be started, the blocks are written in the caller's thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace kestrum {

class OverlappedWriter {
 public:
  // Writes `bytes` whole, or returns false with the system's reason in
  // `error`. Called in the writer's thread, one call at a time.
  using WriteFunction =
      std::function<bool(std::string_view bytes, std::string& error)>;

  explicit OverlappedWriter(WriteFunction write);
  // Waits for the block being written.
  ~OverlappedWriter();
  OverlappedWriter(const OverlappedWriter&) = delete;
  OverlappedWriter& operator=(const OverlappedWriter&) = delete;

  // Takes `block`'s bytes to be written and leaves `block` empty, with a
  // buffer of its own to fill. False once a write has failed (the block is
  // then dropped); Error() says why.
  bool Write(std::string& block);
  // Waits until every block handed over is written; false when a write
  // failed.
  bool Finish();
  // Why a write failed; empty as long as none did.
  const std::string& Error() const { return error_; }

 private:
  void Run();
  // Waits until the thread holds no block; the lock is held.
  void WaitIdle(std::unique_lock<std::mutex>& lock);

  WriteFunction write_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string writing_;    // the block the thread writes
  bool hasBlock_ = false;  // `writing_` waits for the thread or is written
  bool stopping_ = false;
  std::string error_;   // set once, by whichever thread failed
  std::thread thread_;  // started with the first block
  bool threadFailed_ = false;
};

}  // namespace kestrum
