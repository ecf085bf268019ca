// Blocks of a report made on several threads and consumed in order.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/ordered_blocks.h"
#include "platform/worker_pool.h"

namespace quenor {
namespace {

// Blocks whose making takes uneven time, so that later blocks are often
// ready before earlier ones.
struct UnevenBlocks {
  explicit UnevenBlocks(int count) { work.count = count; }

  BlockWork work;
  std::vector<std::string> consumed;
  std::atomic<int> waiting{0};  // made and not yet consumed
  std::atomic<int> mostWaiting{0};
  std::mutex threadsMutex;
  std::set<std::thread::id> producers;

  void Run(unsigned threads) {
    work.produce = [this](int i, std::string& text) {
      {
        std::lock_guard lock(threadsMutex);
        producers.insert(std::this_thread::get_id());
      }
      std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 13 * 100));
      text = "bloc " + std::to_string(i);
      const int now = ++waiting;
      for (int most = mostWaiting; now > most && !mostWaiting.compare_exchange_weak(most, now);) {
      }
    };
    work.consume = [this](const std::string& text) {
      --waiting;
      consumed.push_back(text);
    };
    WorkerPool pool(threads);
    ProduceInOrder(work, pool);
  }
};

TEST(OrderedBlocks, EveryBlockOnceAndInOrderWhateverTheThreads) {
  for (unsigned threads : {1u, 2u, 4u}) {
    UnevenBlocks blocks(60);
    blocks.Run(threads);
    ASSERT_EQ(blocks.consumed.size(), 60u) << threads << " threads";
    for (int i = 0; i < 60; ++i) EXPECT_EQ(blocks.consumed[static_cast<std::size_t>(i)], "bloc " + std::to_string(i));
    // Few blocks wait at any time: memory does not grow with the count.
    EXPECT_LE(blocks.mostWaiting.load(), 2 * static_cast<int>(threads) + 1) << threads << " threads";
    if (threads == 1) {
      EXPECT_EQ(blocks.producers.size(), 1u);
    }
  }
}

TEST(OrderedBlocks, NothingToDoCallsNothing) {
  BlockWork work;
  work.produce = [](int, std::string&) { FAIL() << "no block to make"; };
  work.consume = [](const std::string&) { FAIL() << "no block to take"; };
  WorkerPool one(1);
  ProduceInOrder(work, one);
  work.count = -3;
  WorkerPool two(2);
  ProduceInOrder(work, two);
}

TEST(OrderedBlocks, AFailureOnAnyThreadIsThrownToTheCaller) {
  for (unsigned threads : {1u, 3u}) {
    BlockWork work;
    work.count = 40;
    std::vector<std::string> consumed;
    work.produce = [](int i, std::string& text) {
      if (i == 17) throw std::runtime_error("bloc 17 impossible");
      text = std::to_string(i);
    };
    work.consume = [&](const std::string& text) { consumed.push_back(text); };
    WorkerPool pool(threads);
    EXPECT_THROW(ProduceInOrder(work, pool), std::runtime_error) << threads << " threads";
    // What came before the failure was consumed in order, nothing after it.
    ASSERT_LE(consumed.size(), 17u);
    for (std::size_t i = 0; i < consumed.size(); ++i) EXPECT_EQ(consumed[i], std::to_string(i));
  }
}

// Blocks that append to the text they are given: a text handed over with
// anything left in it would show in what is consumed.
BlockWork AppendingBlocks(int count, std::size_t bytes, std::vector<std::string>& consumed) {
  BlockWork work;
  work.count = count;
  work.produce = [bytes](int i, std::string& text) { text.append(bytes, static_cast<char>('a' + i % 26)); };
  work.consume = [&consumed](const std::string& text) { consumed.push_back(text); };
  return work;
}

TEST(OrderedBlocks, TheTextsAreKeptEmptyFromOneReportToTheNextOrMadeAfreshWhenTaken) {
  WorkerPool pool(2);
  for (int report = 0; report < 3; ++report) {
    std::vector<std::string> consumed;
    ProduceInOrder(AppendingBlocks(9, 1000, consumed), pool);
    ASSERT_EQ(consumed.size(), 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(consumed[static_cast<std::size_t>(i)], std::string(1000, static_cast<char>('a' + i)));
  }
  std::vector<std::string> kept = pool.TakeTexts();
  ASSERT_EQ(kept.size(), static_cast<std::size_t>(BlocksInFlight(pool)));
  for (const std::string& text : kept) {
    EXPECT_TRUE(text.empty());
    EXPECT_GE(text.capacity(), 1000u);
  }
  // While they are taken, a report makes its own, and the pool keeps them after.
  std::vector<std::string> consumed;
  ProduceInOrder(AppendingBlocks(3, 10, consumed), pool);
  EXPECT_EQ(consumed, (std::vector<std::string>{std::string(10, 'a'), std::string(10, 'b'), std::string(10, 'c')}));
  pool.GiveBackTexts(std::move(kept));
  EXPECT_EQ(pool.TakeTexts().size(), static_cast<std::size_t>(BlocksInFlight(pool)));
}

TEST(OrderedBlocks, AnOverlyLargeTextIsNotKept) {
  WorkerPool pool(1);
  std::vector<std::string> consumed;
  ProduceInOrder(AppendingBlocks(2, WorkerPool::kKeptTextBytes + 1, consumed), pool);
  for (const std::string& text : pool.TakeTexts()) EXPECT_LE(text.capacity(), WorkerPool::kKeptTextBytes);
}

}  // namespace
}  // namespace quenor
