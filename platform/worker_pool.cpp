#include "platform/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <system_error>

#include <unistd.h>

namespace quenor {
namespace {

constexpr unsigned kMostThreads = 64;

unsigned ThreadCount(unsigned asked) {
  if (asked == 0) asked = std::thread::hardware_concurrency();
  return std::clamp(asked, 1u, kMostThreads);
}

// The failure of the lowest-numbered task among those that failed.
class FirstFailure {
 public:
  void Record(int task, std::exception_ptr failure) {
    std::lock_guard lock(mutex_);
    if (!failure_ || task < task_) {
      failure_ = failure;
      task_ = task;
    }
    failed_.store(true, std::memory_order_relaxed);
  }
  bool Failed() const { return failed_.load(std::memory_order_relaxed); }
  void Rethrow() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  std::mutex mutex_;
  std::exception_ptr failure_;
  int task_ = 0;
  std::atomic<bool> failed_{false};
};

}  // namespace

WorkerPool::WorkerPool(unsigned threads) : threads_(ThreadCount(threads)) {}

WorkerPool::~WorkerPool() { StopHelpers(); }

void WorkerPool::SetThreads(unsigned threads) {
  StopHelpers();
  threads_ = ThreadCount(threads);
}

void WorkerPool::Run(int count, const std::function<void(int)>& task) {
  if (count <= 0) return;
  std::atomic<int> next{0};
  FirstFailure failure;
  const std::function<void()> takeTasks = [&] {
    for (int i = next.fetch_add(1); i < count && !failure.Failed(); i = next.fetch_add(1)) {
      try {
        task(i);
      } catch (...) {
        failure.Record(i, std::current_exception());
      }
    }
  };
  Share(takeTasks, takeTasks);
  failure.Rethrow();
}

void WorkerPool::Share(const std::function<void()>& helperWork, const std::function<void()>& callerWork) {
  // A process forked from the one that started the helpers has none of
  // them: the caller does it all (and nothing waits for helpers that are not there).
  if (!helpers_.empty() && getpid() != helpersProcess_) {
    callerWork();
    return;
  }
  {
    std::unique_lock lock(mutex_);
    if (busy_) {
      lock.unlock();
      callerWork();
      return;
    }
    busy_ = true;
  }
  StartHelpers();
  {
    std::lock_guard lock(mutex_);
    work_ = &helperWork;
    running_ = static_cast<unsigned>(helpers_.size());
    helperFailure_ = nullptr;
    ++generation_;
  }
  wake_.notify_all();
  std::exception_ptr failure;
  try {
    callerWork();
  } catch (...) {
    failure = std::current_exception();
  }
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [&] { return running_ == 0; });
  work_ = nullptr;
  busy_ = false;
  if (!failure) failure = helperFailure_;
  helperFailure_ = nullptr;
  lock.unlock();
  if (failure) std::rethrow_exception(failure);
}

void WorkerPool::StartHelpers() {
  if (helpers_.empty()) helpersProcess_ = getpid();
  while (helpers_.size() + 1 < threads_) {
    try {
      helpers_.emplace_back([this, seen = generation_] { HelperLoop(seen); });
    } catch (const std::system_error&) {
      return;  // no more threads to be had: those running do the work
    }
  }
}

void WorkerPool::StopHelpers() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
  helpers_.clear();
  std::lock_guard lock(mutex_);
  stopping_ = false;
}

void WorkerPool::HelperLoop(uint64_t seen) {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
    if (stopping_) return;
    seen = generation_;
    const std::function<void()>* work = work_;
    lock.unlock();
    std::exception_ptr failure;
    try {
      (*work)();
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    if (failure && !helperFailure_) helperFailure_ = failure;
    if (--running_ == 0) finished_.notify_all();
  }
}

std::vector<std::string> WorkerPool::TakeTexts() {
  std::lock_guard lock(textsMutex_);
  return std::move(texts_);
}

void WorkerPool::GiveBackTexts(std::vector<std::string> texts) {
  for (std::string& text : texts) {
    if (text.capacity() > kKeptTextBytes) std::string().swap(text);
    text.clear();
  }
  std::lock_guard lock(textsMutex_);
  if (texts.size() > texts_.size()) texts_ = std::move(texts);
}

}  // namespace quenor
