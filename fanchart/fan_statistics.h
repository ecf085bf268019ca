#pragma once
// What the chart says under the fan about the ancestors it shows: how many
// named ancestors fill its boxes, how many distinct persons they are and how
// many of those appear more than once.
#include <cstdint>

namespace quenor {

class AncestorTable;
class GedcomIndex;

struct FanStatistics {
  int32_t possible = 0;  // boxes of the chart: 2^G - 2
  int32_t total = 0;     // named ancestors among them
  int32_t distinct = 0;
  int32_t repeated = 0;  // persons appearing more than once
};

// Counts the entries 2 to 2^generations - 1 of `table`.
FanStatistics CountFanStatistics(const GedcomIndex& index, const AncestorTable& table, int generations);

// The same for the probant's own ancestors, whatever another search left in
// the shared ancestor table.
FanStatistics CountProbantStatistics(const GedcomIndex& index, int32_t probant, int generations);

}  // namespace quenor
