// SPDX-License-Identifier: MIT
#include "run/overlapped_writer.h"

#include <system_error>
#include <utility>

namespace kestrum {

OverlappedWriter::OverlappedWriter(WriteFunction write)
    : write_(std::move(write)) {}

OverlappedWriter::~OverlappedWriter() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool OverlappedWriter::Write(std::string& block) {
  if (!thread_.joinable() && !threadFailed_) {
    try {
      thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      threadFailed_ = true;  // the caller's thread writes instead
    }
  }
  if (threadFailed_) {
    const bool written = error_.empty() && write_(block, error_);
    block.clear();
    return written;
  }
  std::unique_lock lock(mutex_);
  WaitIdle(lock);
  if (!error_.empty()) {
    block.clear();
    return false;
  }
  std::swap(writing_, block);
  block.clear();
  hasBlock_ = true;
  lock.unlock();
  changed_.notify_all();
  return true;
}

bool OverlappedWriter::Finish() {
  if (!thread_.joinable()) return error_.empty();
  std::unique_lock lock(mutex_);
  WaitIdle(lock);
  return error_.empty();
}

void OverlappedWriter::WaitIdle(std::unique_lock<std::mutex>& lock) {
  changed_.wait(lock, [this] { return !hasBlock_; });
}

void OverlappedWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return hasBlock_ || stopping_; });
    if (!hasBlock_) return;
    lock.unlock();
    std::string error;
    const bool written = write_(writing_, error);
    lock.lock();
    if (!written && error_.empty()) error_ = std::move(error);
    hasBlock_ = false;
    changed_.notify_all();
  }
}

}  // namespace kestrum
