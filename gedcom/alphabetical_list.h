#pragma once
// The alphabetical list LstGED.TXT of every indexed individual with its marriages.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

class Session;

// One entry per indexed individual, filled in file order during the
// indexing pass: the number and the name in format 1. Names are kept in one
// contiguous buffer.
class SortList {
 public:
  void Clear();
  void Add(int32_t number, std::string_view name);
  std::size_t Size() const { return numbers_.size(); }
  int32_t Number(std::size_t i) const { return numbers_[i]; }
  std::string_view Name(std::size_t i) const;

  // Entry order after sorting (indices into the entries).
  std::vector<uint32_t>& Order() { return order_; }

 private:
  std::vector<int32_t> numbers_;
  std::vector<uint32_t> nameStarts_;
  std::vector<uint8_t> nameLengths_;
  std::string names_;
  std::vector<uint32_t> order_;
};

// Sorts the list by name (locale collation, case ignored) and writes the
// report of slot 1, with its status texts. Returns false (after telling the
// user) when the file cannot be written.
bool WriteAlphabeticalList(Session& session, SortList& list);

}  // namespace quenor
