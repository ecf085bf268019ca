#include "platform/background_flush.h"

#include <unistd.h>

#include <system_error>

namespace quenor {

BackgroundFlush::~BackgroundFlush() { Finish(); }

bool BackgroundFlush::Request(int descriptor) {
  std::unique_lock lock(mutex_);
  if (!thread_.joinable()) {
    descriptor_ = descriptor;
    stopping_ = false;
    failed_ = false;
    try {
      thread_ = std::thread([this] { Loop(); });
    } catch (const std::system_error&) {
      return false;
    }
  }
  requested_ = true;
  wake_.notify_one();
  return true;
}

bool BackgroundFlush::Finish() {
  {
    std::lock_guard lock(mutex_);
    if (!thread_.joinable()) return true;
    stopping_ = true;
    wake_.notify_one();
  }
  thread_.join();
  std::lock_guard lock(mutex_);
  const bool flushed = !failed_;
  failed_ = false;
  requested_ = false;
  return flushed;
}

void BackgroundFlush::Loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return requested_ || stopping_; });
    // A request made before the stop is served all the same.
    if (!requested_) return;
    requested_ = false;
    lock.unlock();
    const bool flushed = fdatasync(descriptor_) == 0;
    lock.lock();
    if (!flushed) failed_ = true;
  }
}

}  // namespace quenor
