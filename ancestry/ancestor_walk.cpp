#include "ancestry/ancestor_walk.h"

#include <algorithm>
#include <vector>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "platform/worker_pool.h"

namespace quenor {
namespace {

// Generations smaller than this are filled on one thread.
constexpr int32_t kSharedFrom = 1 << 15;
constexpr int32_t kPiece = 1 << 14;  // entries, even

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

int32_t FillGeneration(const GedcomIndex& index, int32_t* entries, int32_t first, int32_t end, WorkerPool* workers) {
  if (workers == nullptr || workers->Threads() < 2 || end - first < kSharedFrom) {
    return FillCouples(index, entries, first, end);
  }
  const int pieces = static_cast<int>((end - first + kPiece - 1) / kPiece);
  std::vector<int32_t> lasts(static_cast<std::size_t>(pieces), 0);
  workers->Run(pieces, [&](int i) {
    const int32_t from = first + i * kPiece;
    lasts[static_cast<std::size_t>(i)] = FillCouples(index, entries, from, std::min(from + kPiece, end));
  });
  return *std::max_element(lasts.begin(), lasts.end());
}

// The entries of a generation just filled, in Stradonitz order, the
// generation heading before the first one.
void TellGeneration(AncestorVisitor& visitor, const GedcomIndex& index, const int32_t* entries, int generation,
                    int32_t first, int32_t end) {
  bool told = false;
  for (int32_t k = first; k < end; ++k) {
    if (entries[k] == 0) continue;
    if (!told) visitor.GenerationStarts(generation);
    told = true;
    visitor.AncestorFound(k, entries[k], index.ParentFamily(entries[k / 2]));
  }
}

void Fill(const GedcomIndex& index, int32_t person, AncestorTable& table, WorkerPool* workers,
          AncestorVisitor* visitor) {
  table.Clear();
  table[1] = person;
  for (int generation = 2; generation <= AncestorTable::kGenerations; ++generation) {
    const int32_t first = int32_t{1} << (generation - 1);
    const int32_t end = std::min(int32_t{1} << generation, AncestorTable::kSize);
    int32_t* entries = table.EntriesBelow(end);
    const int32_t last = FillGeneration(index, entries, first, end, workers);
    if (last == 0) break;  // a generation without anyone ends the walk
    table.lastStradonitz = last;
    if (visitor != nullptr) TellGeneration(*visitor, index, entries, generation, first, end);
  }
}

}  // namespace

void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table, WorkerPool& workers) {
  Fill(index, person, table, &workers, nullptr);
}

void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table,
                       AncestorVisitor* visitor) {
  Fill(index, person, table, nullptr, visitor);
}

}  // namespace quenor
