#include "platform/large_page_blocks.h"

#include <sys/mman.h>
#include <sys/prctl.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <new>
#include <string>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUENOR_KEEP_SANITIZER_NEW 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUENOR_KEEP_SANITIZER_NEW 1
#endif
#endif

namespace quenor {

#ifdef QUENOR_KEEP_SANITIZER_NEW

void UseLargePagesForLargeBlocks() {}
bool LargeBlocksInLargePages() { return false; }

#else

namespace {

std::atomic<bool> largePages{false};

constexpr std::size_t kSmallPage = 4096;

std::size_t RoundUp(std::size_t size, std::size_t unit) { return (size + unit - 1) / unit * unit; }

// A large block is mapped on its own, on a large page boundary, with one
// small page before it whose last sixteen bytes tell the block apart: the
// length of the whole mapping, then that length and the block's address
// mixed with a mark whose high bits no block of the C library can show
// there (those bytes are its size, far below 2^48).
struct LargeBlockHeader {
  std::uintptr_t mapped;
  std::uintptr_t check;
};
static_assert(sizeof(LargeBlockHeader) == 16);

constexpr std::uintptr_t kLargeBlockMark = 0xB16B'0000'0000'0000ULL;

std::uintptr_t CheckOf(const void* block, std::uintptr_t mapped) {
  return kLargeBlockMark ^ reinterpret_cast<std::uintptr_t>(block) ^ mapped;
}

LargeBlockHeader* HeaderOf(void* block) { return static_cast<LargeBlockHeader*>(block) - 1; }

void* AllocateLarge(std::size_t size, std::size_t alignment) {
  const std::size_t boundary = alignment > kLargePageBlock ? alignment : kLargePageBlock;
  const std::size_t length = kSmallPage + RoundUp(size, kSmallPage);
  void* mapping = mmap(nullptr, length + boundary, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapping);
  const std::uintptr_t block = RoundUp(start + kSmallPage, boundary);
  // The slack on either side goes back at once.
  if (block - kSmallPage > start) munmap(mapping, block - kSmallPage - start);
  const std::uintptr_t end = block - kSmallPage + length;
  if (start + length + boundary > end) munmap(reinterpret_cast<void*>(end), start + length + boundary - end);
  void* const data = reinterpret_cast<void*>(block);
  // Whole large pages only: the tail keeps small ones, so that the block
  // never holds more memory than it asked for.
  madvise(data, size / kLargePageBlock * kLargePageBlock, MADV_HUGEPAGE);
  *HeaderOf(data) = LargeBlockHeader{length, CheckOf(data, length)};
  return data;
}

// Any block given by malloc has its own size where the check would be.
bool IsLargeBlock(void* block) {
  if (block == nullptr || reinterpret_cast<std::uintptr_t>(block) % kLargePageBlock != 0) return false;
  const LargeBlockHeader* header = HeaderOf(block);
  return header->check == CheckOf(block, header->mapped);
}

// Beyond this no block can be had: the rounding up would wrap around.
constexpr std::size_t kLargestBlock = std::numeric_limits<std::size_t>::max() / 4;

void* TryAllocate(std::size_t size, std::size_t alignment) {
  if (size == 0) size = 1;
  if (size > kLargestBlock || alignment > kLargestBlock) return nullptr;
  if (size >= kLargePageBlock && largePages.load(std::memory_order_relaxed)) return AllocateLarge(size, alignment);
  if (alignment <= alignof(std::max_align_t)) return std::malloc(size);
  return std::aligned_alloc(alignment, RoundUp(size, alignment));
}

// As the standard's operator new: the new-handler is called until memory is
// had or there is none.
void* Allocate(std::size_t size, std::size_t alignment) {
  for (;;) {
    if (void* block = TryAllocate(size, alignment)) return block;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void* AllocateOrNull(std::size_t size, std::size_t alignment) noexcept {
  try {
    return Allocate(size, alignment);
  } catch (...) {
    return nullptr;
  }
}

void Release(void* block) noexcept {
  if (IsLargeBlock(block)) {
    munmap(reinterpret_cast<char*>(block) - kSmallPage, HeaderOf(block)->mapped);
  } else {
    std::free(block);
  }
}

// Where the system gives no large pages (set to "never", or refused to this
// process), blocks of their own would only lose the C library's reuse of
// the memory it holds: they are then left to it.
bool SystemGivesLargePages() {
  if (prctl(PR_GET_THP_DISABLE, 0, 0, 0, 0) > 0) return false;
  std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string modes;
  if (!std::getline(setting, modes)) return false;
  return modes.find("[always]") != std::string::npos || modes.find("[madvise]") != std::string::npos;
}

}  // namespace

void UseLargePagesForLargeBlocks() { largePages.store(SystemGivesLargePages(), std::memory_order_relaxed); }
bool LargeBlocksInLargePages() { return largePages.load(std::memory_order_relaxed); }

#endif

}  // namespace quenor

#ifndef QUENOR_KEEP_SANITIZER_NEW

namespace {
constexpr std::size_t kPlain = alignof(std::max_align_t);
std::size_t Alignment(std::align_val_t alignment) { return static_cast<std::size_t>(alignment); }
}  // namespace

void* operator new(std::size_t size) { return quenor::Allocate(size, kPlain); }
void* operator new[](std::size_t size) { return quenor::Allocate(size, kPlain); }
void* operator new(std::size_t size, std::align_val_t alignment) { return quenor::Allocate(size, Alignment(alignment)); }
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return quenor::Allocate(size, Alignment(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return quenor::AllocateOrNull(size, kPlain); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return quenor::AllocateOrNull(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return quenor::AllocateOrNull(size, Alignment(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return quenor::AllocateOrNull(size, Alignment(alignment));
}

// A large block goes back to the system, any other to the C library.
void operator delete(void* block) noexcept { quenor::Release(block); }
void operator delete[](void* block) noexcept { quenor::Release(block); }
void operator delete(void* block, std::size_t) noexcept { quenor::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { quenor::Release(block); }
void operator delete(void* block, std::align_val_t) noexcept { quenor::Release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { quenor::Release(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { quenor::Release(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { quenor::Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { quenor::Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { quenor::Release(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { quenor::Release(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { quenor::Release(block); }

#endif
