#include "gedcom/sort_list.h"

#include <algorithm>

#include "platform/collation.h"

namespace quenor {
namespace {

// One entry to sort: the first sixteen bytes of its key packed so that most
// comparisons need no other memory, then where the rest of the key lies.
struct KeyedEntry {
  uint64_t prefix;
  uint64_t prefix2;
  std::size_t keyStart;
  uint32_t keyLength;
  uint32_t entry;
};

constexpr std::size_t kPacked = 16;

// Eight key bytes from `from` on, big-endian, zeros past the end of the key.
uint64_t PackPrefix(std::string_view key, std::size_t from = 0) {
  uint64_t prefix = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    prefix <<= 8;
    if (i < key.size()) prefix |= static_cast<unsigned char>(key[i]);
  }
  return prefix;
}

// The distinct names of the list: each entry's name number, and for each
// name number the entry where it first appears. Genealogies repeat names a
// lot, so only the distinct names need a sort key.
struct DistinctNames {
  std::vector<uint32_t> nameOfEntry;
  std::vector<uint32_t> firstEntry;
};

uint64_t HashName(std::string_view name) {
  uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return hash;
}

DistinctNames FindDistinctNames(const SortList& list) {
  DistinctNames names;
  names.nameOfEntry.resize(list.Size());
  std::size_t capacity = 16;
  while (capacity < list.Size() * 2) capacity *= 2;
  struct Slot {
    uint32_t name;  // 0: free, else 1 + name number
    uint32_t hash;  // high bits of the hash, checked before the names
  };
  std::vector<Slot> table(capacity, Slot{0, 0});
  for (std::size_t i = 0; i < list.Size(); ++i) {
    const std::string_view name = list.Name(i);
    const uint64_t hash = HashName(name);
    const auto check = static_cast<uint32_t>(hash >> 32);
    std::size_t slot = hash & (capacity - 1);
    while (table[slot].name != 0 &&
           (table[slot].hash != check || list.Name(names.firstEntry[table[slot].name - 1]) != name)) {
      slot = (slot + 1) & (capacity - 1);
    }
    if (table[slot].name == 0) {
      names.firstEntry.push_back(static_cast<uint32_t>(i));
      table[slot] = Slot{static_cast<uint32_t>(names.firstEntry.size()), check};
    }
    names.nameOfEntry[i] = table[slot].name - 1;
  }
  return names;
}

std::vector<KeyedEntry> KeyNames(const SortList& list, const DistinctNames& names, const Collation& collation,
                                 std::string& keys) {
  std::vector<KeyedEntry> entries(names.firstEntry.size());
  keys.reserve(entries.size() * 48);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::size_t start = keys.size();
    collation.AppendSortKey(list.Name(names.firstEntry[k]), keys);
    const std::string_view key(keys.data() + start, keys.size() - start);
    entries[k] = KeyedEntry{PackPrefix(key), PackPrefix(key, 8), start, static_cast<uint32_t>(key.size()),
                            static_cast<uint32_t>(k)};
  }
  return entries;
}

// The part of the key after its packed prefix.
std::string_view KeyTail(const std::string& keys, const KeyedEntry& e) {
  if (e.keyLength <= kPacked) return {};
  return std::string_view(keys.data() + e.keyStart + kPacked, e.keyLength - kPacked);
}

bool SamePrefix(const KeyedEntry& a, const KeyedEntry& b) { return a.prefix == b.prefix && a.prefix2 == b.prefix2; }

}  // namespace

void SortList::Clear() {
  numbers_.clear();
  recordOffsets_.clear();
  nameStarts_.clear();
  nameLengths_.clear();
  names_.clear();
  order_.clear();
  numbers_.shrink_to_fit();
  recordOffsets_.shrink_to_fit();
  nameStarts_.shrink_to_fit();
  nameLengths_.shrink_to_fit();
  names_.shrink_to_fit();
  order_.shrink_to_fit();
}

void SortList::Add(int32_t number, std::string_view name, int32_t recordOffset) {
  if (name.size() > 255) name = name.substr(0, 255);
  numbers_.push_back(number);
  recordOffsets_.push_back(recordOffset);
  nameStarts_.push_back(names_.size());
  nameLengths_.push_back(static_cast<uint8_t>(name.size()));
  names_.append(name);
}

std::string_view SortList::Name(std::size_t i) const {
  return std::string_view(names_).substr(nameStarts_[i], nameLengths_[i]);
}

void SortByName(SortList& list, const Collation& collation) {
  const DistinctNames names = FindDistinctNames(list);
  std::string keys;
  std::vector<KeyedEntry> sorted = KeyNames(list, names, collation, keys);
  std::sort(sorted.begin(), sorted.end(), [&keys](const KeyedEntry& a, const KeyedEntry& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    if (a.prefix2 != b.prefix2) return a.prefix2 < b.prefix2;
    const int tail = KeyTail(keys, a).compare(KeyTail(keys, b));
    if (tail != 0) return tail < 0;
    return a.entry < b.entry;
  });
  // Names that collate equal share one rank.
  std::vector<uint32_t> rank(sorted.size());
  uint32_t current = 0;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (i > 0 && (!SamePrefix(sorted[i], sorted[i - 1]) || KeyTail(keys, sorted[i]) != KeyTail(keys, sorted[i - 1]))) {
      current = static_cast<uint32_t>(i);
    }
    rank[sorted[i].entry] = current;
  }
  // Entries by rank, in file order within a rank (a counting sort).
  std::vector<uint32_t> next(sorted.size() + 1, 0);
  for (uint32_t name : names.nameOfEntry) ++next[rank[name] + 1];
  for (std::size_t r = 1; r < next.size(); ++r) next[r] += next[r - 1];
  std::vector<uint32_t>& order = list.Order();
  order.assign(list.Size(), 0);
  for (std::size_t i = 0; i < list.Size(); ++i) order[next[rank[names.nameOfEntry[i]]]++] = static_cast<uint32_t>(i);
}

}  // namespace quenor
