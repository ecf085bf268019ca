#pragma once
// The sort list of the alphabetical list: one entry per indexed individual,
// its number, its name in format 1, its record and the families of its
// FAMS lines, put in name order by a collation.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/packed_texts.h"

namespace quenor {

class Collation;
class WorkerPool;

// The entries of one block of records, in file order.
class SortListPart {
 public:
  // `recordOffset` is the record the name was read from (0: not told).
  void Add(int32_t number, std::string_view name, int32_t recordOffset = 0);
  // Adds a family of a FAMS line to the entry added last.
  void AddSpouseFamily(int32_t family);
  std::size_t Size() const { return numbers_.size(); }
  bool Empty() const { return numbers_.empty(); }
  // Forgets the entries, keeping the room they took.
  void Clear();
  std::size_t NameBytes() const { return names_.Bytes(); }
  std::size_t FamilyCount() const { return families_.size(); }

 private:
  friend class SortList;
  std::vector<int32_t> numbers_;
  std::vector<int32_t> recordOffsets_;
  PackedTexts names_;
  std::vector<uint32_t> familyEnds_;  // end of each entry's families in `families_`
  std::vector<int32_t> families_;
};

// Entries are added in file order during the indexing pass, block after
// block; entry i is the i-th of them. Each field lies in one array, so that
// entries taken in name order cost few memory accesses.
class SortList {
 public:
  void Clear();
  // Adds an entry after the others (see SortListPart).
  void Add(int32_t number, std::string_view name, int32_t recordOffset = 0);
  void AddSpouseFamily(int32_t family);
  // Room for `entries` more entries with `nameBytes` bytes of names and
  // `families` families.
  void Reserve(std::size_t entries, std::size_t nameBytes, std::size_t families);
  // Adds the entries of a block after the others.
  void Append(const SortListPart& part);

  std::size_t Size() const { return numbers_.size(); }
  int32_t Number(std::size_t i) const { return numbers_[i]; }
  int32_t RecordOffset(std::size_t i) const { return recordOffsets_[i]; }
  std::string_view Name(std::size_t i) const {
    return names_.Get(nameOfEntry_.empty() ? static_cast<uint32_t>(i) : nameOfEntry_[i]);
  }
  // The families of the entry's FAMS lines, in the order of the lines.
  std::span<const int32_t> SpouseFamilies(std::size_t i) const {
    const uint32_t start = i == 0 ? 0 : familyEnds_[i - 1];
    return std::span<const int32_t>(families_).subspan(start, familyEnds_[i] - start);
  }
  // The entry read from the record at `recordOffset`, or Size() when none
  // was (entries lie in file order, so their offsets increase).
  std::size_t EntryOfRecord(int32_t recordOffset) const;
  // Keeps each distinct name once: `names` holds them, `nameOfEntry` the
  // number of each entry's name among them.
  void KeepDistinctNames(PackedTexts names, std::vector<uint32_t> nameOfEntry);
  // Once only distinct names are kept: their count, each one, and the
  // number of an entry's.
  std::size_t DistinctNameCount() const { return names_.Size(); }
  std::string_view DistinctName(uint32_t name) const { return names_.Get(name); }
  uint32_t NameNumber(std::size_t i) const { return nameOfEntry_[i]; }
  // Numbers the distinct names anew: name order[k] becomes name k.
  void RenumberDistinctNames(const std::vector<uint32_t>& order);

  // Notes that more than one record carries number n; whether one does.
  void NoteRepeatedNumber(int32_t n) { repeatedNumbers_.push_back(n); }
  bool IsRepeatedNumber(int32_t n) const;

  // Entry order after sorting (indices into the entries).
  std::vector<uint32_t>& Order() { return order_; }
  const std::vector<uint32_t>& Order() const { return order_; }

 private:
  std::vector<int32_t> numbers_;
  std::vector<int32_t> recordOffsets_;
  // Names lie in the text that loaded them: their bytes fit 32-bit ends.
  // Each entry's own name, or, once only distinct names are kept, those
  // names and the number of each entry's.
  PackedTexts names_;
  std::vector<uint32_t> nameOfEntry_;
  std::vector<uint32_t> familyEnds_;
  std::vector<int32_t> families_;
  std::vector<uint32_t> order_;
  mutable std::vector<int32_t> repeatedNumbers_;  // put in order at the first question
  mutable bool repeatedSorted_ = false;
};

// Fills the list's order with its entries sorted by name, on the threads of
// `pool`. Each name's sort key is computed once per distinct name; entries
// whose names collate equal keep their file order, so the order is the same
// whatever the threads.
void SortByName(SortList& list, const Collation& collation, WorkerPool& pool);
// The same on the calling thread alone.
void SortByName(SortList& list, const Collation& collation);

}  // namespace quenor
