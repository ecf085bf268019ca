#pragma once
// The figures of an ancestor table: per generation, how many ancestors are
// expected, known, distinct and repeated; over the whole table, how often
// each person appears.
#include <cstdint>
#include <map>
#include <vector>

#include "ancestry/ancestor_table.h"

namespace quenor {

class GedcomIndex;
class NamedPersons;

struct GenerationFigures {
  int generation = 0;
  int32_t expected = 0;            // 2^(generation-1)
  int32_t known = 0;               // named entries of the generation
  int32_t repeated = 0;            // persons seen at least twice among them
  int32_t distinct = 0;            // distinct persons among them
  int32_t cumulativeEntries = 0;   // non-zero entries of generations 1 to this one
  int32_t cumulativeDistinct = 0;  // distinct persons among them
};

// The indices of a generation row, in percent, as the statistics show them:
// known / expected; (known - distinct) / known; the same over generations 1
// to this one. A generation without a named entry has 0 for both implexes.
double CompletenessPercent(const GenerationFigures& row);
double ImplexPercent(const GenerationFigures& row);
double CumulativeImplexPercent(const GenerationFigures& row);

struct RepeatedAncestor {
  int32_t person = 0;
  int32_t appearances = 0;
};

struct AncestryFigures {
  // Generations 1 to G, G being the generation of the last named entry;
  // empty when no entry is named.
  std::vector<GenerationFigures> generations;
  // Over generations 1 to G, named or not:
  int32_t entries = 0;   // non-zero entries
  int32_t distinct = 0;  // persons appearing at least once
  int32_t repeated = 0;  // persons appearing at least twice
  // Number of persons by their count of appearances, lowest count first.
  std::map<int32_t, int32_t> distribution;
  // Persons appearing at least twice: highest count first, then by number.
  std::vector<RepeatedAncestor> repeatedAncestors;

  int LastGeneration() const { return static_cast<int>(generations.size()); }
};

// Measures entries 1 to `last` of `table`. Only entries whose person is named
// (IsNamed) count in the generation rows; every non-zero entry of generations
// 1 to G counts in the cumulative and whole-table figures.
AncestryFigures MeasureAncestry(const GedcomIndex& index, const AncestorTable& table, int32_t last);
// The same, with what is already known of whose names count.
AncestryFigures MeasureAncestry(const GedcomIndex& index, const AncestorTable& table, int32_t last,
                                NamedPersons& named);

}  // namespace quenor
