#pragma once
// Flushes a file being written to the disk, on a thread of its own, while
// the rest of it is still being made: the flush that ends a long report then
// has little left to wait for. A flush that fails is remembered, since the
// system tells a failed write to one flush only.
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quenor {

class BackgroundFlush {
 public:
  BackgroundFlush() = default;
  ~BackgroundFlush();
  BackgroundFlush(const BackgroundFlush&) = delete;
  BackgroundFlush& operator=(const BackgroundFlush&) = delete;

  // Asks for what was written to `descriptor` so far to be flushed; the
  // thread starts with the first request. A request made while a flush is
  // under way is served by the next one. False when no thread could be had.
  bool Request(int descriptor);
  // Waits for the flushes asked for, and stops the thread; true unless a
  // flush failed since the first request. The next request starts anew.
  bool Finish();

 private:
  void Loop();

  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int descriptor_ = -1;
  bool requested_ = false;
  bool stopping_ = false;
  bool failed_ = false;
};

}  // namespace quenor
