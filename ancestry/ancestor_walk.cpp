#include "ancestry/ancestor_walk.h"

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"

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

}  // namespace

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
