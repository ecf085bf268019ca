#include "gedcom/gedcom_index.h"

#include <algorithm>
#include <new>

namespace quenor {
namespace {

// The numbers set are kept up to this many; a larger load is cleared whole
// up to its highest number, which its size then justifies.
constexpr std::size_t kNumbersKept = 1 << 16;

// A flat table may be this many times larger than the count it holds, plus
// a floor that costs nothing.
constexpr int32_t kFlatFactor = 16;
constexpr int32_t kFlatFloor = 1 << 16;

}  // namespace

template <typename Entry>
GedcomIndex::Table<Entry>::Table(int32_t capacity)
    : entries(static_cast<Entry*>(std::calloc(static_cast<std::size_t>(capacity) + 1, sizeof(Entry)))) {
  if (!entries) throw std::bad_alloc();
  set.reserve(kNumbersKept);
}

template <typename Entry>
void GedcomIndex::Table<Entry>::Set(int32_t number, const Entry& entry) {
  entries[number] = entry;
  highest = std::max(highest, number);
  if (manySet) return;
  if (set.size() < kNumbersKept) {
    set.push_back(number);
  } else {
    manySet = true;
  }
}

template <typename Entry>
void GedcomIndex::Table<Entry>::Clear() {
  if (manySet) {
    std::fill_n(entries.get(), static_cast<std::size_t>(highest) + 1, Entry{});
  } else {
    for (const int32_t number : set) entries[number] = Entry{};
  }
  set.clear();
  manySet = false;
  highest = 0;
}

template <typename Entry>
int32_t GedcomIndex::Table<Entry>::FlatLimit(int32_t count) const {
  const int64_t limit = int64_t{kFlatFactor} * count + kFlatFloor;
  return static_cast<int32_t>(std::min<int64_t>(highest, limit));
}

GedcomIndex::GedcomIndex() : individuals_(kMaxIndividual), families_(kMaxFamily) {}

IndividualEntry GedcomIndex::Individual(int32_t n) const {
  if (n < 0 || n > kMaxIndividual) return {};
  return individuals_.entries[n];
}

FamilyEntry GedcomIndex::Family(int32_t f) const {
  if (f < 0 || f > kMaxFamily) return {};
  return families_.entries[f];
}

int32_t GedcomIndex::FlatIndividualLimit() const { return individuals_.FlatLimit(individualCount_); }

int32_t GedcomIndex::FlatFamilyLimit() const { return families_.FlatLimit(familyCount_); }

void GedcomIndex::AdoptText(LargeBuffer text, std::size_t length) {
  text_ = std::move(text);
  textLength_ = length;
}

void GedcomIndex::Clear() { ReleaseText().Release(); }

LargeBuffer GedcomIndex::ReleaseText() {
  LargeBuffer text = std::move(text_);
  textLength_ = 0;
  individuals_.Clear();
  families_.Clear();
  marriages_.Clear();
  individualCount_ = 0;
  familyCount_ = 0;
  return text;
}

void GedcomIndex::SetIndividual(int32_t n, int32_t recordOffset, int32_t parentFamily) {
  if (n < 0 || n > kMaxIndividual) return;
  individuals_.Set(n, IndividualEntry{recordOffset, parentFamily});
  ++individualCount_;
}

void GedcomIndex::SetFamily(int32_t f, const FamilyEntry& entry) {
  if (f < 0 || f > kMaxFamily) return;
  families_.Set(f, entry);
  ++familyCount_;
}

}  // namespace quenor
