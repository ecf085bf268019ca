#pragma once
// Long reports made in blocks on every thread of a pool: each block of text
// is produced on whichever thread is free, and the blocks are consumed in
// their order on the calling thread.
#include <functional>
#include <string>

namespace quenor {

class WorkerPool;

struct BlockWork {
  int count = 0;  // blocks 0 .. count-1
  // Fills the text of block i (the string comes empty). Called on any thread,
  // for each block once: it must touch nothing that another block touches.
  std::function<void(int i, std::string& text)> produce;
  // Takes the text of each block, in order, on the calling thread.
  std::function<void(const std::string& text)> consume;
};

// Runs `work` on the threads of `pool`, the caller's included; with a single
// block, or a pool of one thread, everything is done on the caller's thread.
// Few blocks wait to be consumed at any time (twice the pool's threads at
// most), so memory stays small whatever the count. An exception thrown by
// `produce` on any thread is thrown here once every thread has stopped.
void ProduceInOrder(const BlockWork& work, WorkerPool& pool);

}  // namespace quenor
