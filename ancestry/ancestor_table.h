#pragma once
// Individual numbers by Stradonitz number: 1 the person analysed, 2k the
// father and 2k+1 the mother of entry k, 0 for unknown; 20 generations.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace quenor {

class AncestorTable {
 public:
  static constexpr int32_t kSize = 1 << 20;  // numbers 0 to 1,048,575
  static constexpr int kGenerations = 20;

  // The entries start as zeros that take no memory until they are written.
  AncestorTable();

  int32_t operator[](int32_t k) const { return entries_[k]; }
  int32_t& operator[](int32_t k) {
    reached_ = std::max(reached_, k + 1);
    return entries_[k];
  }
  // The entries, of which those below `end` may then be written.
  int32_t* EntriesBelow(int32_t end) {
    reached_ = std::max(reached_, end);
    return entries_.get();
  }
  int32_t* data() {
    reached_ = kSize;
    return entries_.get();
  }
  const int32_t* data() const { return entries_.get(); }
  // Zeroes every entry; the work is in proportion to the entries reached
  // for writing since the last clearing.
  void Clear();

  int32_t lastStradonitz = 0;  // highest number filled by the last build

 private:
  struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
  };
  std::unique_ptr<int32_t[], FreeDeleter> entries_;
  int32_t reached_ = 0;  // entries below it may be other than zero
};

// The generation of Stradonitz number k: its count of binary digits (0 for 0).
inline int GenerationOf(int32_t k) { return k > 0 ? std::bit_width(static_cast<uint32_t>(k)) : 0; }

}  // namespace quenor
