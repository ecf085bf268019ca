#pragma once
// Which of the two ancestor tables of a kinship search hold each person:
// bit 1 the first person's, bit 2 the second person's, 3 both.
#include <cstdint>
#include <map>
#include <vector>

#include "ancestry/ancestor_table.h"

namespace quenor {

constexpr uint8_t kFirstSide = 1;
constexpr uint8_t kSecondSide = 2;
constexpr uint8_t kBothSides = kFirstSide | kSecondSide;

class SideMark {
 public:
  // One byte per individual number up to `flatLimit`; numbers beyond it
  // (pointers to persons that were never indexed, numbers too sparse for a
  // flat table) are kept aside.
  explicit SideMark(int32_t flatLimit);

  void Clear();
  void Mark(int32_t person, uint8_t side);
  uint8_t Of(int32_t person) const;
  // Marks every person of entries 1 to `last` of `table`.
  void MarkTable(const AncestorTable& table, int32_t last, uint8_t side);
  // The persons marked on both sides, in increasing individual number.
  std::vector<int32_t> OnBothSides() const;

 private:
  std::vector<uint8_t> marks_;
  std::map<int32_t, uint8_t> beyond_;
};

}  // namespace quenor
