// The pool of threads that shares long work: every task once, failures
// told to the caller, work shared again and again, work inside work.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/worker_pool.h"

namespace quenor {
namespace {

// Which threads ran the tasks of one Run, and how often each task ran.
struct TaskLog {
  explicit TaskLog(int count) : runs(static_cast<std::size_t>(count)) {}
  std::vector<std::atomic<int>> runs;
  std::mutex mutex;
  std::set<std::thread::id> threads;

  void Note(int i) {
    ++runs[static_cast<std::size_t>(i)];
    std::lock_guard lock(mutex);
    threads.insert(std::this_thread::get_id());
  }
};

TEST(WorkerPool, RunsEveryTaskOnceOnAtMostItsThreads) {
  for (unsigned threads : {1u, 2u, 3u, 8u}) {
    WorkerPool pool(threads);
    EXPECT_EQ(pool.Threads(), threads);
    for (int count : {1, 7, 500}) {
      TaskLog log(count);
      pool.Run(count, [&](int i) { log.Note(i); });
      for (int i = 0; i < count; ++i) ASSERT_EQ(log.runs[static_cast<std::size_t>(i)], 1) << threads << " threads, task " << i;
      EXPECT_LE(log.threads.size(), threads);
      if (threads == 1) {
        EXPECT_EQ(*log.threads.begin(), std::this_thread::get_id());
      }
    }
  }
}

TEST(WorkerPool, NothingToRunCallsNothing) {
  WorkerPool pool(3);
  pool.Run(0, [](int) { FAIL() << "no task"; });
  pool.Run(-2, [](int) { FAIL() << "no task"; });
}

TEST(WorkerPool, OneThreadPerProcessorUnlessTold) {
  WorkerPool pool;
  EXPECT_EQ(pool.Threads(), std::max(1u, std::thread::hardware_concurrency()));
  pool.SetThreads(3);
  EXPECT_EQ(pool.Threads(), 3u);
  TaskLog log(40);
  pool.Run(40, [&](int i) { log.Note(i); });
  EXPECT_LE(log.threads.size(), 3u);
  pool.SetThreads(1);
  TaskLog alone(40);
  pool.Run(40, [&](int i) { alone.Note(i); });
  EXPECT_EQ(alone.threads, std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST(WorkerPool, TheLowestFailedTaskIsToldAndThePoolGoesOn) {
  for (unsigned threads : {1u, 2u, 8u}) {
    WorkerPool pool(threads);
    std::atomic<int> ran{0};
    try {
      pool.Run(200, [&](int i) {
        ++ran;
        if (i == 31 || i == 90) throw std::runtime_error("tâche " + std::to_string(i));
      });
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& failure) {
      EXPECT_EQ(std::string(failure.what()), "tâche 31") << threads << " threads";
    }
    // Tasks stop being taken soon after the failure.
    EXPECT_LT(ran.load(), 200);
    std::atomic<int> after{0};
    pool.Run(50, [&](int) { ++after; });
    EXPECT_EQ(after, 50);
  }
}

TEST(WorkerPool, WorkInsideWorkIsDoneByItsCaller) {
  WorkerPool pool(3);
  std::vector<std::atomic<int>> inner(10 * 10);
  pool.Run(10, [&](int i) {
    pool.Run(10, [&](int j) { ++inner[static_cast<std::size_t>(i * 10 + j)]; });
  });
  for (const auto& runs : inner) EXPECT_EQ(runs, 1);
}

TEST(WorkerPool, SharedWorkRunsOnEveryHelperAndTheCaller) {
  WorkerPool pool(4);
  std::atomic<int> helpers{0};
  std::atomic<int> callers{0};
  pool.Share([&] { ++helpers; }, [&] { ++callers; });
  EXPECT_EQ(helpers, 3);
  EXPECT_EQ(callers, 1);
  // A failure of a helper reaches the caller.
  EXPECT_THROW(pool.Share([] { throw std::logic_error("aide"); }, [] {}), std::logic_error);
}

// A process forked after the helpers started (a test's child, for one) has
// no helpers: its caller does every task instead of waiting for them.
TEST(WorkerPool, AForkedProcessDoesTheWorkAlone) {
  WorkerPool pool(3);
  pool.Run(4, [](int) {});  // the helpers are started
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TaskLog log(16);
    pool.Run(16, [&](int i) { log.Note(i); });
    bool once = log.threads.size() == 1;
    for (const auto& runs : log.runs) once = once && runs == 1;
    _exit(once ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  TaskLog log(16);
  pool.Run(16, [&](int i) { log.Note(i); });  // the parent's helpers still work
  for (const auto& runs : log.runs) EXPECT_EQ(runs, 1);
}

TEST(WorkerPool, ManySmallRunsInARow) {
  // Each run wakes the helpers again: none may miss a run or run one twice.
  WorkerPool pool(3);
  long long total = 0;
  for (int run = 0; run < 2000; ++run) {
    std::atomic<int> sum{0};
    pool.Run(3, [&](int i) { sum += i + 1; });
    total += sum;
  }
  EXPECT_EQ(total, 2000LL * 6);
}

}  // namespace
}  // namespace quenor
