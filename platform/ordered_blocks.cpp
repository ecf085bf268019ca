#include "platform/ordered_blocks.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

#include "platform/worker_pool.h"

namespace quenor {
namespace {

class BlockQueue {
 public:
  BlockQueue(const OrderedWork& work, const WorkerPool& pool)
      : work_(work), window_(BlocksInFlight(pool)),
        ready_(static_cast<std::size_t>(work.count), false) {}

  // A producing thread: takes the next block while any is left.
  void Produce() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return nextToProduce_ >= work_.count || stopped_ || MayProduce(); });
      if (nextToProduce_ >= work_.count || stopped_) return;
      ProduceOne(lock);
    }
  }

  // The calling thread: consumes the blocks in order, producing when the next
  // one is not ready yet.
  void ConsumeInOrder() {
    std::unique_lock lock(mutex_);
    while (nextToConsume_ < work_.count && !stopped_) {
      const int i = nextToConsume_;
      if (ready_[static_cast<std::size_t>(i)]) {
        lock.unlock();
        const bool more = work_.consume(i);
        lock.lock();
        ++nextToConsume_;
        if (!more) stopped_ = true;
        changed_.notify_all();
      } else if (nextToProduce_ < work_.count && MayProduce()) {
        ProduceOne(lock);
      } else {
        changed_.wait(lock);
      }
    }
    // Nothing more is begun; what helpers are making is finished before the
    // pool returns.
    stopped_ = true;
    changed_.notify_all();
  }

  void Stop(std::exception_ptr failure) {
    std::lock_guard lock(mutex_);
    if (!failure_) failure_ = failure;
    stopped_ = true;
    changed_.notify_all();
  }

  std::exception_ptr Failure() const { return failure_; }

 private:
  bool MayProduce() const { return nextToProduce_ < nextToConsume_ + window_; }

  void ProduceOne(std::unique_lock<std::mutex>& lock) {
    const int i = nextToProduce_++;
    lock.unlock();
    work_.produce(i);
    lock.lock();
    ready_[static_cast<std::size_t>(i)] = true;
    changed_.notify_all();
  }

  const OrderedWork& work_;
  const int window_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<bool> ready_;
  int nextToProduce_ = 0;
  int nextToConsume_ = 0;
  bool stopped_ = false;
  std::exception_ptr failure_;
};

}  // namespace

int BlocksInFlight(const WorkerPool& pool) { return 2 * static_cast<int>(std::max(pool.Threads(), 1u)); }

void RunInOrder(const OrderedWork& work, WorkerPool& pool) {
  if (work.count <= 0) return;
  BlockQueue queue(work, pool);
  auto guarded = [&queue](auto&& run) {
    try {
      run();
    } catch (...) {
      queue.Stop(std::current_exception());
    }
  };
  // A single block is made on the caller's thread alone.
  const std::function<void()> produce = [&] {
    if (work.count > 1) guarded([&] { queue.Produce(); });
  };
  pool.Share(produce, [&] { guarded([&] { queue.ConsumeInOrder(); }); });
  if (queue.Failure()) std::rethrow_exception(queue.Failure());
}

// The texts of the blocks under way take their places in turn and keep their
// memory from block to block, and from one report to the next through the
// pool: a long report is not made in fresh pages that the system must first
// clear, nor copied as each block grows.
void ProduceInOrder(const BlockWork& work, WorkerPool& pool) {
  if (work.count <= 0) return;
  const auto slots = static_cast<std::size_t>(std::min(work.count, BlocksInFlight(pool)));
  std::vector<std::string> texts = pool.TakeTexts();
  if (texts.size() < slots) texts.resize(slots);
  OrderedWork ordered;
  ordered.count = work.count;
  ordered.produce = [&](int i) { work.produce(i, texts[static_cast<std::size_t>(i) % slots]); };
  ordered.consume = [&](int i) {
    std::string& text = texts[static_cast<std::size_t>(i) % slots];
    work.consume(text);
    text.clear();
    return true;
  };
  RunInOrder(ordered, pool);
  pool.GiveBackTexts(std::move(texts));
}

}  // namespace quenor
