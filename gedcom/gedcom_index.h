#pragma once
// The loaded GEDCOM text cut into NUL-terminated record texts, with the
// individual and family tables that find a record by its number, and what
// every analysis reads of each family again and again: its husband, its wife
// and its marriage line, read once by the load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gedcom/marriage_lines.h"
#include "platform/large_buffer.h"

namespace quenor {

struct IndividualEntry {
  int32_t recordOffset = 0;  // 0: no record
  int32_t parentFamily = 0;  // family in which the person is a child, 0: none
};

struct FamilyEntry {
  int32_t recordOffset = 0;  // 0: no record
  int32_t husband = 0;       // the number after the record's first "1 HUSB ", 0: none
  int32_t wife = 0;          // the same of "1 WIFE "
};

class GedcomIndex {
 public:
  static constexpr int32_t kMaxIndividual = 10'000'000;
  static constexpr int32_t kMaxFamily = 5'000'000;

  // Reserves both tables at their full size (the pages are only touched when used).
  GedcomIndex();
  GedcomIndex(const GedcomIndex&) = delete;
  GedcomIndex& operator=(const GedcomIndex&) = delete;

  // --- read access ---------------------------------------------------------
  const char* Text() const { return text_.Data(); }
  std::size_t TextLength() const { return textLength_; }

  // The record text of individual n, or nullptr when n is out of range or not indexed.
  const char* IndividualRecord(int32_t n) const;
  // The record text of family f, or nullptr.
  const char* FamilyRecord(int32_t f) const;
  // The parent family of individual n (0 when none or out of range).
  int32_t ParentFamily(int32_t n) const;
  IndividualEntry Individual(int32_t n) const;
  FamilyEntry Family(int32_t f) const;
  // The marriage line of every family (MarriageLine).
  const MarriageLines& Marriages() const { return marriages_; }

  int32_t IndividualCount() const { return individualCount_; }
  int32_t FamilyCount() const { return familyCount_; }
  // The highest individual and family numbers indexed by the current load
  // (0 when none).
  int32_t HighestIndividual() const { return individuals_.highest; }
  int32_t HighestFamily() const { return families_.highest; }
  // How far a table by individual (family) number is worth keeping flat: the
  // highest number indexed, unless the numbers are so sparse that such a
  // table would dwarf the file. Numbers above it belong in a map.
  int32_t FlatIndividualLimit() const;
  int32_t FlatFamilyLimit() const;

  // --- building (the loader) -----------------------------------------------
  // Takes the converted text: `length` bytes, the last of which is already
  // NUL. Record texts may be separated by runs of NULs (empty texts).
  void AdoptText(LargeBuffer text, std::size_t length);
  // Releases the text and clears tables and counts; the work is in
  // proportion to what the load set.
  void Clear();
  // Clears tables and counts, and hands the text's memory over for the next
  // text: a large file is then read into pages already there.
  LargeBuffer ReleaseText();
  void SetIndividual(int32_t n, int32_t recordOffset, int32_t parentFamily);
  void SetFamily(int32_t f, const FamilyEntry& entry);
  MarriageLines& MutableMarriages() { return marriages_; }
  char* MutableText() { return text_.Data(); }

 private:
  struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
  };

  // One table by number, reserved at its full size, and what a load set in it.
  template <typename Entry>
  struct Table {
    explicit Table(int32_t capacity);
    void Set(int32_t number, const Entry& entry);
    void Clear();
    int32_t FlatLimit(int32_t count) const;

    std::unique_ptr<Entry[], FreeDeleter> entries;
    int32_t highest = 0;
    std::vector<int32_t> set;  // the numbers set, as long as they are few
    bool manySet = false;      // too many to keep: the clearing runs up to `highest`
  };

  LargeBuffer text_;
  std::size_t textLength_ = 0;
  Table<IndividualEntry> individuals_;
  Table<FamilyEntry> families_;
  MarriageLines marriages_;
  int32_t individualCount_ = 0;
  int32_t familyCount_ = 0;
};

// Looked up for every person of every report: kept where the compiler sees them.
inline const char* GedcomIndex::IndividualRecord(int32_t n) const {
  if (n < 0 || n > kMaxIndividual || text_.Empty()) return nullptr;
  const int32_t offset = individuals_.entries[n].recordOffset;
  return offset > 0 ? text_.Data() + offset : nullptr;
}

inline const char* GedcomIndex::FamilyRecord(int32_t f) const {
  if (f < 0 || f > kMaxFamily || text_.Empty()) return nullptr;
  const int32_t offset = families_.entries[f].recordOffset;
  return offset > 0 ? text_.Data() + offset : nullptr;
}

inline int32_t GedcomIndex::ParentFamily(int32_t n) const {
  if (n < 0 || n > kMaxIndividual) return 0;
  return individuals_.entries[n].parentFamily;
}

}  // namespace quenor
