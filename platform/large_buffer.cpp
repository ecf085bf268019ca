#include "platform/large_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <utility>

namespace quenor {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t PageSize() {
  const long size = sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

std::size_t RoundUp(std::size_t size, std::size_t unit) { return (size + unit - 1) / unit * unit; }

// Memory already held is kept for a size that uses at least half of it.
bool FitsWell(std::size_t size, std::size_t mapped) { return size <= mapped && size >= mapped / 2; }

// `size` bytes mapped; a large buffer starts on a large page boundary (the
// system gives large pages only to whole aligned ones).
char* MapAligned(std::size_t size) {
  const std::size_t slack = size >= kLargePage ? kLargePage : 0;
  void* memory = mmap(nullptr, size + slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return nullptr;
  char* const start = static_cast<char*>(memory);
  if (slack == 0) return start;
  const std::size_t head = (kLargePage - reinterpret_cast<std::uintptr_t>(start) % kLargePage) % kLargePage;
  if (head > 0) munmap(start, head);
  if (slack - head > 0) munmap(start + head + size, slack - head);
  return start + head;
}

}  // namespace

LargeBuffer::~LargeBuffer() { Release(); }

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

bool LargeBuffer::Resize(std::size_t size) {
  const std::size_t wanted = RoundUp(size == 0 ? 1 : size, size >= kLargePage ? kLargePage : PageSize());
  if (data_ != nullptr && FitsWell(wanted, mapped_)) {
    // The pages past the new end go back to the system.
    if (wanted < mapped_) madvise(data_ + wanted, mapped_ - wanted, MADV_DONTNEED);
    size_ = size;
    return true;
  }
  Release();
  char* memory = MapAligned(wanted);
  if (memory == nullptr) return false;
  if (wanted >= kLargePage) madvise(memory, wanted, MADV_HUGEPAGE);
  data_ = memory;
  size_ = size;
  mapped_ = wanted;
  return true;
}

void LargeBuffer::Release() {
  if (data_ != nullptr) munmap(data_, mapped_);
  data_ = nullptr;
  size_ = 0;
  mapped_ = 0;
}

}  // namespace quenor
