#pragma once
// Individual numbers by Stradonitz number: 1 the person analysed, 2k the
// father and 2k+1 the mother of entry k, 0 for unknown; 20 generations.
#include <bit>
#include <cstdint>
#include <memory>
#include <string>

namespace quenor {

class AncestorTable {
 public:
  static constexpr int32_t kSize = 1 << 20;  // numbers 0 to 1,048,575
  static constexpr int kGenerations = 20;

  AncestorTable() : entries_(new int32_t[kSize]()) {}

  int32_t operator[](int32_t k) const { return entries_[k]; }
  int32_t& operator[](int32_t k) { return entries_[k]; }
  int32_t* data() { return entries_.get(); }
  const int32_t* data() const { return entries_.get(); }
  void Clear();

  int32_t lastStradonitz = 0;  // highest number filled by the last build

 private:
  std::unique_ptr<int32_t[]> entries_;
};

// The generation of Stradonitz number k: its count of binary digits (0 for 0).
inline int GenerationOf(int32_t k) { return k > 0 ? std::bit_width(static_cast<uint32_t>(k)) : 0; }

}  // namespace quenor
