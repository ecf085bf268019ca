#pragma once
// The sort list of the alphabetical list: one entry per indexed individual,
// its number and its name in format 1, put in name order by a collation.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

class Collation;

// Entries are added in file order during the indexing pass; names are kept
// in one contiguous buffer.
class SortList {
 public:
  void Clear();
  // `recordOffset` is the record the name was read from (0: not told).
  void Add(int32_t number, std::string_view name, int32_t recordOffset = 0);
  std::size_t Size() const { return numbers_.size(); }
  int32_t Number(std::size_t i) const { return numbers_[i]; }
  int32_t RecordOffset(std::size_t i) const { return recordOffsets_[i]; }
  std::string_view Name(std::size_t i) const;

  // Entry order after sorting (indices into the entries).
  std::vector<uint32_t>& Order() { return order_; }
  const std::vector<uint32_t>& Order() const { return order_; }

 private:
  std::vector<int32_t> numbers_;
  std::vector<int32_t> recordOffsets_;
  std::vector<std::size_t> nameStarts_;
  std::vector<uint8_t> nameLengths_;
  std::string names_;
  std::vector<uint32_t> order_;
};

// Fills the list's order with its entries sorted by name. Each name's sort
// key is computed once per distinct name; entries whose names collate equal
// keep their file order.
void SortByName(SortList& list, const Collation& collation);

}  // namespace quenor
