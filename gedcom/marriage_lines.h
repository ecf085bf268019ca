#pragma once
// The marriage line of every family of the loaded file (MarriageLine), made
// once from its record while the blocks of records are indexed, and found
// again by family number while the alphabetical list is written.
#include <cstdint>
#include <string_view>
#include <vector>

#include "gedcom/packed_texts.h"

namespace quenor {

class MarriageLines {
 public:
  void Clear();
  // Keeps the lines of a block; returns the number of the block, by which
  // Assign names them.
  uint32_t Append(PackedTexts&& lines);
  // Room for families up to `highestFamily`, taken only as it is filled.
  void Reserve(int32_t highestFamily);
  // Family f's record gives line `line` of block `block`, or no line
  // (kNone): the family's record read last decides, as the index finds it.
  void Assign(int32_t family, uint32_t block, uint32_t line);
  // The line of family f, empty when its record has no marriage event or
  // when f has no record.
  std::string_view Of(int32_t family) const {
    if (family < 0 || static_cast<std::size_t>(family) >= byFamily_.size()) return {};
    const uint64_t held = byFamily_[static_cast<std::size_t>(family)];
    if (held == 0) return {};
    return blocks_[(held >> 32) - 1].Get(static_cast<uint32_t>(held));
  }

  static constexpr uint32_t kNone = UINT32_MAX;

 private:
  std::vector<PackedTexts> blocks_;
  std::vector<uint64_t> byFamily_;  // 0: no line, else (1 + block) << 32 | line
};

}  // namespace quenor
