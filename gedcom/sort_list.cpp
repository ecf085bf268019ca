#include "gedcom/sort_list.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <memory>

#include "platform/collation.h"
#include "platform/worker_pool.h"

namespace quenor {
namespace {

// Entries (or distinct names) handled by one task of the pool.
constexpr std::size_t kEntriesPerTask = std::size_t{1} << 15;
constexpr std::size_t kNamesPerKeyTask = std::size_t{1} << 13;
// The distinct names are found in separate groups, by the high bits of their hash.
constexpr int kGroupBits = 6;
constexpr std::size_t kGroups = std::size_t{1} << kGroupBits;
constexpr std::size_t kLongestName = 255;

int TaskCount(std::size_t items, std::size_t perTask) { return static_cast<int>((items + perTask - 1) / perTask); }

// One distinct name to sort: the first sixteen bytes of its key packed so
// that most comparisons need no other memory, then the rest of the key.
struct KeyedName {
  uint64_t prefix;
  uint64_t prefix2;
  const char* tail;  // the key after its packed prefix
  uint32_t tailLength;
  uint32_t name;
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

std::string_view TailOf(const KeyedName& k) { return std::string_view(k.tail, k.tailLength); }

bool SameKey(const KeyedName& a, const KeyedName& b) {
  return a.prefix == b.prefix && a.prefix2 == b.prefix2 && TailOf(a) == TailOf(b);
}

bool KeyBefore(const KeyedName& a, const KeyedName& b) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix;
  if (a.prefix2 != b.prefix2) return a.prefix2 < b.prefix2;
  const int tail = TailOf(a).compare(TailOf(b));
  if (tail != 0) return tail < 0;
  return a.name < b.name;
}

// Eight bytes at a time, then the bits mixed so that the high ones (the
// group) and the low ones (the slot) both depend on every byte.
uint64_t HashName(std::string_view name) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
  uint64_t hash = name.size() * kMultiplier;
  std::size_t i = 0;
  for (; i + 8 <= name.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + i, 8);
    hash = std::rotl((hash ^ word) * kMultiplier, 29);
  }
  if (i < name.size()) {
    uint64_t word = 0;
    std::memcpy(&word, name.data() + i, name.size() - i);
    hash = std::rotl((hash ^ word) * kMultiplier, 29);
  }
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ULL;
  return hash ^ (hash >> 33);
}

std::size_t GroupOf(uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - kGroupBits)); }

// The entries of the list gathered by group of their name's hash, each
// group in file order.
class HashGroups {
 public:
  HashGroups(const SortList& list, WorkerPool& pool)
      : hashes_(list.Size()), entries_(list.Size()), tasks_(TaskCount(list.Size(), kEntriesPerTask)),
        counts_(static_cast<std::size_t>(tasks_) * kGroups, 0) {
    pool.Run(tasks_, [&](int task) { HashTask(list, static_cast<std::size_t>(task)); });
    PlaceGroups();
    pool.Run(tasks_, [&](int task) { ScatterTask(static_cast<std::size_t>(task)); });
  }

  std::span<const uint32_t> Group(std::size_t group) const {
    return std::span<const uint32_t>(entries_).subspan(groupStarts_[group], groupStarts_[group + 1] - groupStarts_[group]);
  }
  uint64_t HashOf(uint32_t entry) const { return hashes_[entry]; }

 private:
  std::pair<std::size_t, std::size_t> TaskRange(std::size_t task) const {
    const std::size_t first = task * kEntriesPerTask;
    return {first, std::min(first + kEntriesPerTask, hashes_.size())};
  }

  void HashTask(const SortList& list, std::size_t task) {
    const auto [first, end] = TaskRange(task);
    for (std::size_t i = first; i < end; ++i) {
      hashes_[i] = HashName(list.Name(i));
      ++counts_[task * kGroups + GroupOf(hashes_[i])];
    }
  }

  // Where each task puts the entries of each group: groups one after the
  // other, and within a group the tasks in order.
  void PlaceGroups() {
    groupStarts_.assign(kGroups + 1, 0);
    std::size_t place = 0;
    for (std::size_t group = 0; group < kGroups; ++group) {
      groupStarts_[group] = place;
      for (std::size_t task = 0; task < static_cast<std::size_t>(tasks_); ++task) {
        const std::size_t count = counts_[task * kGroups + group];
        counts_[task * kGroups + group] = place;
        place += count;
      }
    }
    groupStarts_[kGroups] = place;
  }

  void ScatterTask(std::size_t task) {
    const auto [first, end] = TaskRange(task);
    for (std::size_t i = first; i < end; ++i) {
      entries_[counts_[task * kGroups + GroupOf(hashes_[i])]++] = static_cast<uint32_t>(i);
    }
  }

  std::vector<uint64_t> hashes_;
  std::vector<uint32_t> entries_;
  int tasks_;
  std::vector<std::size_t> counts_;  // by task and group, then where each puts its next entry
  std::vector<std::size_t> groupStarts_;
};

// The distinct names of one group, numbered from 0 in the group.
PackedTexts GroupNames(const SortList& list, const HashGroups& groups, std::size_t group,
                       std::vector<uint32_t>& nameOfEntry) {
  const std::span<const uint32_t> entries = groups.Group(group);
  std::size_t capacity = 16;
  while (capacity < entries.size() * 2) capacity *= 2;
  struct Slot {
    uint32_t name;  // 0: free, else 1 + name number in the group
    uint32_t hash;  // low bits of the hash, checked before the names
  };
  std::vector<Slot> table(capacity, Slot{0, 0});
  PackedTexts names;
  for (const uint32_t entry : entries) {
    const std::string_view name = list.Name(entry);
    const uint64_t hash = groups.HashOf(entry);
    const auto check = static_cast<uint32_t>(hash);
    std::size_t slot = (hash >> 16) & (capacity - 1);
    while (table[slot].name != 0 && (table[slot].hash != check || names.Get(table[slot].name - 1) != name)) {
      slot = (slot + 1) & (capacity - 1);
    }
    if (table[slot].name == 0) table[slot] = Slot{names.Add(name) + 1, check};
    nameOfEntry[entry] = table[slot].name - 1;
  }
  return names;
}

// Keeps each distinct name of the list once, instead of each entry's:
// genealogies repeat names a lot, and only the distinct names need a key.
void KeepDistinctNames(SortList& list, WorkerPool& pool) {
  std::vector<uint32_t> nameOfEntry(list.Size());
  std::vector<PackedTexts> groupNames(kGroups);
  {
    const HashGroups groups(list, pool);
    pool.Run(static_cast<int>(kGroups), [&](int group) {
      const auto g = static_cast<std::size_t>(group);
      groupNames[g] = GroupNames(list, groups, g, nameOfEntry);
    });
    // Name numbers of the groups one after the other.
    std::vector<uint32_t> starts;
    uint32_t count = 0;
    for (const PackedTexts& names : groupNames) {
      starts.push_back(count);
      count += static_cast<uint32_t>(names.Size());
    }
    pool.Run(static_cast<int>(kGroups), [&](int group) {
      const auto g = static_cast<std::size_t>(group);
      for (const uint32_t entry : groups.Group(g)) nameOfEntry[entry] += starts[g];
    });
  }
  PackedTexts distinct;
  std::size_t distinctNames = 0;
  std::size_t distinctBytes = 0;
  for (const PackedTexts& names : groupNames) {
    distinctNames += names.Size();
    distinctBytes += names.Bytes();
  }
  distinct.Reserve(distinctNames, distinctBytes);
  for (PackedTexts& names : groupNames) {
    distinct.Append(names);
    names = PackedTexts();
  }
  list.KeepDistinctNames(std::move(distinct), std::move(nameOfEntry));
}

// The sort keys of the distinct names, made on the threads of the pool, each
// task with its own copy of the collation; `keys` holds their bytes. Quick
// keys when `quick`, none at all (an empty result) when a name has none.
std::vector<KeyedName> KeyNames(const SortList& list, const Collation& collation, bool quick, WorkerPool& pool,
                                std::vector<std::string>& keys) {
  const std::size_t count = list.DistinctNameCount();
  std::vector<KeyedName> keyed(count);
  const int tasks = TaskCount(count, kNamesPerKeyTask);
  keys.assign(static_cast<std::size_t>(tasks), std::string());
  std::atomic<bool> keyless{false};
  pool.Run(tasks, [&](int task) {
    // Quick keys need no collation of their own.
    const std::unique_ptr<Collation> own = quick ? nullptr : collation.Clone();
    const std::size_t first = static_cast<std::size_t>(task) * kNamesPerKeyTask;
    const std::size_t end = std::min(first + kNamesPerKeyTask, count);
    std::string& bytes = keys[static_cast<std::size_t>(task)];
    bytes.reserve((end - first) * 48);
    std::vector<std::size_t> starts;
    starts.reserve(end - first + 1);
    for (std::size_t k = first; k < end && !keyless; ++k) {
      starts.push_back(bytes.size());
      const std::string_view name = list.DistinctName(static_cast<uint32_t>(k));
      if (!quick) {
        own->AppendSortKey(name, bytes);
      } else if (!collation.AppendQuickSortKey(name, bytes)) {
        keyless = true;
      }
    }
    if (keyless) return;
    starts.push_back(bytes.size());
    // The bytes no longer move: the keys can point into them.
    for (std::size_t k = first; k < end; ++k) {
      const std::string_view key(bytes.data() + starts[k - first], starts[k - first + 1] - starts[k - first]);
      const std::string_view tail = key.size() > kPacked ? key.substr(kPacked) : std::string_view();
      keyed[k] = KeyedName{PackPrefix(key), PackPrefix(key, 8), tail.data(), static_cast<uint32_t>(tail.size()),
                           static_cast<uint32_t>(k)};
    }
  });
  if (keyless) keyed.clear();
  return keyed;
}

// Whether the collation itself puts the names in the order of their keys,
// with equal keys exactly for names it finds equal: the check of an order
// got by quick keys. Neighbours are enough, the order being total.
bool CollationAgrees(const std::vector<KeyedName>& sorted, const SortList& list, const Collation& collation,
                     WorkerPool& pool) {
  std::atomic<bool> agrees{true};
  const int tasks = TaskCount(sorted.size(), kNamesPerKeyTask);
  pool.Run(tasks, [&](int task) {
    const std::unique_ptr<Collation> own = collation.Clone();
    const std::size_t first = std::max<std::size_t>(1, static_cast<std::size_t>(task) * kNamesPerKeyTask);
    const std::size_t end = std::min((static_cast<std::size_t>(task) + 1) * kNamesPerKeyTask, sorted.size());
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = first; i < end && agrees; ++i) {
      if (i + kAhead < end) __builtin_prefetch(list.DistinctName(sorted[i + kAhead].name).data());
      const int order = own->Compare(list.DistinctName(sorted[i - 1].name), list.DistinctName(sorted[i].name));
      if (order > 0 || (order == 0) != SameKey(sorted[i - 1], sorted[i])) agrees = false;
    }
  });
  return agrees;
}

// Sorts pieces of the names on the threads of the pool, then merges them.
void SortKeyedNames(std::vector<KeyedName>& keyed, WorkerPool& pool) {
  const std::size_t pieces = std::min<std::size_t>(pool.Threads(), keyed.size() / 4096 + 1);
  auto bound = [&](std::size_t piece) { return keyed.begin() + static_cast<std::ptrdiff_t>(keyed.size() * piece / pieces); };
  pool.Run(static_cast<int>(pieces), [&](int piece) {
    std::sort(bound(static_cast<std::size_t>(piece)), bound(static_cast<std::size_t>(piece) + 1), KeyBefore);
  });
  for (std::size_t width = 1; width < pieces; width *= 2) {
    const auto merges = static_cast<int>((pieces + 2 * width - 1) / (2 * width));
    pool.Run(merges, [&](int merge) {
      const std::size_t first = static_cast<std::size_t>(merge) * 2 * width;
      const std::size_t middle = std::min(first + width, pieces);
      const std::size_t last = std::min(first + 2 * width, pieces);
      if (middle < last) std::inplace_merge(bound(first), bound(middle), bound(last), KeyBefore);
    });
  }
}

}  // namespace

void SortListPart::Add(int32_t number, std::string_view name, int32_t recordOffset) {
  numbers_.push_back(number);
  recordOffsets_.push_back(recordOffset);
  names_.Add(name.substr(0, kLongestName));
  familyEnds_.push_back(static_cast<uint32_t>(families_.size()));
}

void SortListPart::Clear() {
  numbers_.clear();
  recordOffsets_.clear();
  names_.Clear();
  familyEnds_.clear();
  families_.clear();
}

void SortListPart::AddSpouseFamily(int32_t family) {
  families_.push_back(family);
  familyEnds_.back() = static_cast<uint32_t>(families_.size());
}

void SortList::Clear() {
  numbers_ = {};
  recordOffsets_ = {};
  names_ = {};
  nameOfEntry_ = {};
  familyEnds_ = {};
  families_ = {};
  order_ = {};
  repeatedNumbers_ = {};
  repeatedSorted_ = false;
}

void SortList::Add(int32_t number, std::string_view name, int32_t recordOffset) {
  numbers_.push_back(number);
  recordOffsets_.push_back(recordOffset);
  names_.Add(name.substr(0, kLongestName));
  familyEnds_.push_back(static_cast<uint32_t>(families_.size()));
}

void SortList::AddSpouseFamily(int32_t family) {
  families_.push_back(family);
  familyEnds_.back() = static_cast<uint32_t>(families_.size());
}

void SortList::Reserve(std::size_t entries, std::size_t nameBytes, std::size_t families) {
  numbers_.reserve(numbers_.size() + entries);
  recordOffsets_.reserve(recordOffsets_.size() + entries);

  familyEnds_.reserve(familyEnds_.size() + entries);
  names_.Reserve(entries, nameBytes);
  families_.reserve(families_.size() + families);
}

void SortList::Append(const SortListPart& part) {
  const auto familyBase = static_cast<uint32_t>(families_.size());
  numbers_.insert(numbers_.end(), part.numbers_.begin(), part.numbers_.end());
  recordOffsets_.insert(recordOffsets_.end(), part.recordOffsets_.begin(), part.recordOffsets_.end());
  for (std::size_t i = 0; i < part.Size(); ++i) {
    familyEnds_.push_back(familyBase + part.familyEnds_[i]);
  }
  names_.Append(part.names_);
  families_.insert(families_.end(), part.families_.begin(), part.families_.end());
}

void SortList::KeepDistinctNames(PackedTexts names, std::vector<uint32_t> nameOfEntry) {
  names_ = std::move(names);
  nameOfEntry_ = std::move(nameOfEntry);
}

void SortList::RenumberDistinctNames(const std::vector<uint32_t>& order) {
  PackedTexts renumbered;
  renumbered.Reserve(order.size(), names_.Bytes());
  std::vector<uint32_t> numberOf(order.size());
  for (std::size_t k = 0; k < order.size(); ++k) {
    renumbered.Add(names_.Get(order[k]));
    numberOf[order[k]] = static_cast<uint32_t>(k);
  }
  names_ = std::move(renumbered);
  for (uint32_t& name : nameOfEntry_) name = numberOf[name];
}

bool SortList::IsRepeatedNumber(int32_t n) const {
  if (repeatedNumbers_.empty()) return false;
  if (!repeatedSorted_) {
    std::sort(repeatedNumbers_.begin(), repeatedNumbers_.end());
    repeatedSorted_ = true;
  }
  return std::binary_search(repeatedNumbers_.begin(), repeatedNumbers_.end(), n);
}

std::size_t SortList::EntryOfRecord(int32_t recordOffset) const {
  const auto found = std::lower_bound(recordOffsets_.begin(), recordOffsets_.end(), recordOffset);
  if (found == recordOffsets_.end() || *found != recordOffset) return Size();
  return static_cast<std::size_t>(found - recordOffsets_.begin());
}

void SortByName(SortList& list, const Collation& collation, WorkerPool& pool) {
  KeepDistinctNames(list, pool);
  // Quick keys first; the collation's own keys when they cannot be had or
  // do not give the collation's order.
  std::vector<std::string> keys;
  std::vector<KeyedName> sorted = KeyNames(list, collation, true, pool, keys);
  SortKeyedNames(sorted, pool);
  if (sorted.size() != list.DistinctNameCount() || !CollationAgrees(sorted, list, collation, pool)) {
    sorted = KeyNames(list, collation, false, pool, keys);
    SortKeyedNames(sorted, pool);
  }
  // The names numbered in their order, so that the list's lines read them one
  // after the other; names that collate equal share one rank.
  std::vector<uint32_t> nameOrder(sorted.size());
  std::vector<uint32_t> rank(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    nameOrder[i] = sorted[i].name;
    rank[i] = i > 0 && SameKey(sorted[i], sorted[i - 1]) ? rank[i - 1] : static_cast<uint32_t>(i);
  }
  sorted = {};
  keys = {};
  list.RenumberDistinctNames(nameOrder);
  nameOrder = {};
  // Entries by rank, in file order within a rank (a counting sort).
  std::vector<uint32_t> next(rank.size() + 1, 0);
  for (std::size_t i = 0; i < list.Size(); ++i) ++next[rank[list.NameNumber(i)] + 1];
  for (std::size_t r = 1; r < next.size(); ++r) next[r] += next[r - 1];
  std::vector<uint32_t>& order = list.Order();
  order.assign(list.Size(), 0);
  for (std::size_t i = 0; i < list.Size(); ++i) order[next[rank[list.NameNumber(i)]]++] = static_cast<uint32_t>(i);
}

void SortByName(SortList& list, const Collation& collation) {
  WorkerPool alone(1);
  SortByName(list, collation, alone);
}

}  // namespace quenor
