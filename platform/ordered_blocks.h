#pragma once
// Long work made in blocks on every thread of a pool: each block is made on
// whichever thread is free, and the blocks are taken in their order on the
// calling thread, while later ones are still being made.
#include <functional>
#include <string>

namespace quenor {

class WorkerPool;

struct OrderedWork {
  int count = 0;  // blocks 0 .. count-1
  // Makes block i. Called on any thread, for each block once: it must touch
  // nothing that another block touches.
  std::function<void(int i)> produce;
  // Takes block i, in order, on the calling thread; false to stop there: no
  // later block is taken, and no block not yet begun is made.
  std::function<bool(int i)> consume;
};

// Runs `work` on the threads of `pool`, the caller's included; with a single
// block, or a pool of one thread, everything is done on the caller's thread.
// Few blocks wait to be taken at any time, so memory stays small whatever the
// count. An exception thrown by `produce` or `consume` is thrown here once
// every thread has stopped.
void RunInOrder(const OrderedWork& work, WorkerPool& pool);

// The most blocks made and not yet taken at any time: block i is begun only
// once block i - BlocksInFlight(pool) has been taken, so that `slots` places
// taken in turn (block i in place i % slots) can hold the blocks under way.
int BlocksInFlight(const WorkerPool& pool);

// Texts made in blocks, written in order: a long report.
struct BlockWork {
  int count = 0;  // blocks 0 .. count-1
  // Fills the text of block i (the string comes empty), on any thread.
  std::function<void(int i, std::string& text)> produce;
  // Takes the text of each block, in order, on the calling thread.
  std::function<void(const std::string& text)> consume;
};

void ProduceInOrder(const BlockWork& work, WorkerPool& pool);

}  // namespace quenor
