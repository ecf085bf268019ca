#include "ancestry/ancestor_walk.h"

#include <algorithm>
#include <vector>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "platform/worker_pool.h"

namespace quenor {
namespace {

// Counts the entries of the generation under way and tells the visitor of
// each, with the generation heading before the first one.
class GenerationTally {
 public:
  GenerationTally(AncestorTable& table, AncestorVisitor* visitor) : table_(table), visitor_(visitor) {}

  int generation() const { return generation_; }
  bool Empty() const { return entries_ == 0; }

  void StartNext() {
    ++generation_;
    entries_ = 0;
  }

  void Place(int32_t stradonitz, int32_t person, int32_t family) {
    table_[stradonitz] = person;
    table_.lastStradonitz = stradonitz;
    if (visitor_ != nullptr) {
      if (entries_ == 0) visitor_->GenerationStarts(generation_);
      visitor_->AncestorFound(stradonitz, person, family);
    }
    ++entries_;
  }

 private:
  AncestorTable& table_;
  AncestorVisitor* visitor_;
  int generation_ = 1;
  int32_t entries_ = 1;  // the person analysed
};

// The parents of the entries [from, to) of one generation put at their
// places in `entries`; returns the last entry placed (0: none). Threads
// filling apart pieces of a generation touch apart entries.
int32_t FillCouples(const GedcomIndex& index, int32_t* entries, int32_t from, int32_t to) {
  int32_t last = 0;
  for (int32_t k = from; k < to; k += 2) {
    const int32_t child = entries[k / 2];
    if (child == 0) continue;
    const int32_t family = index.ParentFamily(child);
    if (family == 0) continue;
    // A pointer without a number (such as @VOID@) names nobody.
    if (const int32_t father = HusbandOf(index, family); father != 0) entries[last = k] = father;
    if (const int32_t mother = WifeOf(index, family); mother != 0) entries[last = k + 1] = mother;
  }
  return last;
}

// Generations smaller than this are filled on one thread.
constexpr int32_t kSharedFrom = 1 << 15;
constexpr int32_t kPiece = 1 << 14;  // entries, even

}  // namespace

void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table, WorkerPool& workers) {
  table.Clear();
  table[1] = person;
  int32_t* entries = table.data();
  for (int generation = 2; generation <= AncestorTable::kGenerations; ++generation) {
    const int32_t first = int32_t{1} << (generation - 1);
    const int32_t end = std::min(int32_t{1} << generation, AncestorTable::kSize);
    int32_t last = 0;
    if (end - first < kSharedFrom || workers.Threads() < 2) {
      last = FillCouples(index, entries, first, end);
    } else {
      const int pieces = static_cast<int>((end - first + kPiece - 1) / kPiece);
      std::vector<int32_t> lasts(static_cast<std::size_t>(pieces), 0);
      workers.Run(pieces, [&](int i) {
        const int32_t from = first + i * kPiece;
        lasts[static_cast<std::size_t>(i)] = FillCouples(index, entries, from, std::min(from + kPiece, end));
      });
      last = *std::max_element(lasts.begin(), lasts.end());
    }
    if (last == 0) break;  // a generation without anyone ends the walk
    table.lastStradonitz = last;
  }
}

void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table,
                       AncestorVisitor* visitor) {
  table.Clear();
  table[1] = person;
  GenerationTally tally(table, visitor);
  for (int32_t k = 2; k < AncestorTable::kSize; k += 2) {
    if (k == (int32_t{1} << tally.generation())) {
      if (tally.Empty()) break;
      tally.StartNext();
    }
    const int32_t child = table[k / 2];
    if (child == 0) continue;
    const int32_t family = index.ParentFamily(child);
    if (family == 0) continue;
    // A pointer without a number (such as @VOID@) names nobody.
    if (const int32_t father = HusbandOf(index, family); father != 0) tally.Place(k, father, family);
    if (const int32_t mother = WifeOf(index, family); mother != 0) tally.Place(k + 1, mother, family);
  }
}

}  // namespace quenor
