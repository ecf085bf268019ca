#pragma once
// The threads that share long work (a load, a long report): one per
// processor unless told otherwise, started at the first work and kept until
// the pool goes. The calling thread always takes its part, so a pool of one
// thread does everything on the caller's thread.
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quenor {

class WorkerPool {
 public:
  // `threads` counts the caller's thread; 0 for one per processor.
  explicit WorkerPool(unsigned threads = 0);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  unsigned Threads() const { return threads_; }
  // Changes the number of threads (0: one per processor); the helpers of the
  // old count stop, those of the new one start with the next work.
  void SetThreads(unsigned threads);

  // Runs task(0) to task(count - 1), each once, on the pool's threads; tasks
  // are taken in increasing order, whichever thread is free. Returns when all
  // are done. When tasks fail, no further task is taken and the exception of
  // the failed task with the lowest number is thrown here.
  void Run(int count, const std::function<void(int)>& task);

  // Runs `helperWork` once on each helper thread while the caller runs
  // `callerWork`; returns when every one of them has returned. The first
  // exception caught, the caller's first, is thrown here. Work shared from
  // inside work of the same pool (or while another thread shares it) is done
  // by `callerWork` alone, which must then do the whole of it.
  void Share(const std::function<void()>& helperWork, const std::function<void()>& callerWork);

  // The texts long reports are made in, block by block, kept from one report
  // to the next: a report of a hundred megabytes is then made in memory the
  // program already holds, not in fresh pages that the system must first
  // hand over. One report takes them at a time (another one meanwhile gets
  // none and makes its own); a text grown beyond kKeptTextBytes is not kept.
  std::vector<std::string> TakeTexts();
  void GiveBackTexts(std::vector<std::string> texts);
  static constexpr std::size_t kKeptTextBytes = std::size_t{8} << 20;

 private:
  void StartHelpers();
  void StopHelpers();
  void HelperLoop(uint64_t seen);

  unsigned threads_;
  std::vector<std::thread> helpers_;
  int helpersProcess_ = 0;  // the process the helpers run in
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  const std::function<void()>* work_ = nullptr;
  uint64_t generation_ = 0;  // grows with each work handed to the helpers
  unsigned running_ = 0;     // helpers still on the current work
  bool busy_ = false;
  bool stopping_ = false;
  std::exception_ptr helperFailure_;
  std::mutex textsMutex_;
  std::vector<std::string> texts_;
};

}  // namespace quenor
