#pragma once
// A buffer for the whole text of a file, taken straight from the system in
// large pages where it can: a fresh page costs a fault at its first touch,
// and a file of 200 MB holds fifty thousand small ones. The buffer is kept
// from one load to the next when the next text fits it well enough.
#include <cstddef>

namespace quenor {

class LargeBuffer {
 public:
  LargeBuffer() = default;
  ~LargeBuffer();
  LargeBuffer(LargeBuffer&& other) noexcept;
  LargeBuffer& operator=(LargeBuffer&& other) noexcept;
  LargeBuffer(const LargeBuffer&) = delete;
  LargeBuffer& operator=(const LargeBuffer&) = delete;

  // Makes room for `size` bytes, keeping the memory already held when it
  // fits (the bytes are then those left there, else zeros); false when the
  // memory cannot be had, the buffer being then empty.
  bool Resize(std::size_t size);
  void Release();

  char* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  bool Empty() const { return data_ == nullptr; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t mapped_ = 0;  // bytes mapped, a multiple of the page size
};

}  // namespace quenor
