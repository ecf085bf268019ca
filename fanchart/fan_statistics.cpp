#include "fanchart/fan_statistics.h"

#include <unordered_map>

#include "ancestry/ancestor_table.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/is_named.h"

namespace quenor {

FanStatistics CountFanStatistics(const GedcomIndex& index, const AncestorTable& table, int generations) {
  FanStatistics stats;
  const int32_t last = (int32_t{1} << generations) - 1;
  stats.possible = last - 1;
  std::unordered_map<int32_t, int> occurrences;
  for (int32_t n = 2; n <= last; ++n) {
    const int32_t person = table[n];
    if (person == 0 || !IsNamed(index, person)) continue;
    ++stats.total;
    const int count = ++occurrences[person];
    if (count == 1) ++stats.distinct;
    if (count == 2) ++stats.repeated;
  }
  return stats;
}

FanStatistics CountProbantStatistics(const GedcomIndex& index, int32_t probant, int generations) {
  AncestorTable table;
  FillAncestorTable(index, probant, table);
  return CountFanStatistics(index, table, generations);
}

}  // namespace quenor
