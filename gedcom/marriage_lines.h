#pragma once
// The marriage line of every family of the loaded file (MarriageLine), made
// once from its record while the blocks of records are indexed, and kept by
// the index: the alphabetical list and every analysis find it by number.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "gedcom/packed_texts.h"

namespace quenor {

class MarriageLines {
 public:
  void Clear();
  // Room for `lines` lines of `bytes` bytes and families up to
  // `highestFamily`, taken only as it is filled.
  void Reserve(std::size_t lines, std::size_t bytes, int32_t highestFamily);
  // Keeps the lines of a block; returns the number the first of them gets,
  // the others following.
  uint32_t Append(const PackedTexts& lines);
  // Family f's record gives line `line`, or no line (kNone): the family's
  // record read last decides, as the index finds it.
  void Assign(int32_t family, uint32_t line);
  // The line of family f, empty when its record has no marriage event or
  // when f has no record.
  std::string_view Of(int32_t family) const {
    if (family < 0 || static_cast<std::size_t>(family) >= byFamily_.size()) return {};
    const uint32_t held = byFamily_[static_cast<std::size_t>(family)];
    return held == 0 ? std::string_view() : lines_.Get(held - 1);
  }

  // How many family numbers the table by number has room for.
  std::size_t FamilyRoom() const { return byFamily_.capacity(); }

  static constexpr uint32_t kNone = UINT32_MAX;

 private:
  PackedTexts lines_;
  std::vector<uint32_t> byFamily_;  // 0: no line, else 1 + the line's number
};

}  // namespace quenor
