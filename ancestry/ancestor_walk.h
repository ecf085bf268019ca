#pragma once
// Filling an ancestor table generation by generation from the parent families
// of the loaded file, without writing anything.
#include <cstdint>

#include "ancestry/ancestor_table.h"

namespace quenor {

class GedcomIndex;
class WorkerPool;

// Told of every entry as the walk fills it, in Stradonitz order.
class AncestorVisitor {
 public:
  virtual ~AncestorVisitor() = default;
  // Before the first entry of generation `generation` (2 and beyond).
  virtual void GenerationStarts(int generation) { (void)generation; }
  // Entry `stradonitz` now holds `person`; `family` is the family in which the
  // child of the entry (stradonitz / 2) is a child.
  virtual void AncestorFound(int32_t stradonitz, int32_t person, int32_t family) = 0;
};

// Clears `table`, puts `person` at entry 1 and every known ancestor at its
// Stradonitz number, up to generation 20; sets table.lastStradonitz (0 when no
// ancestor is found). The walk stops after the first generation without any
// entry. `visitor` (may be null) is told of each filled entry.
void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table,
                       AncestorVisitor* visitor = nullptr);
// The same without a visitor, the generations of a large pedigree shared
// among the threads of `workers`.
void FillAncestorTable(const GedcomIndex& index, int32_t person, AncestorTable& table, WorkerPool& workers);

}  // namespace quenor
