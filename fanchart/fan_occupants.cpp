#include "fanchart/fan_occupants.h"

#include "ancestry/ancestor_table.h"
#include "ancestry/ancestor_walk.h"

namespace quenor {

std::vector<int32_t> ProbantOccupants(const GedcomIndex& index, int32_t probant, int generations) {
  AncestorTable table;
  FillAncestorTable(index, probant, table);
  const int32_t size = int32_t{1} << generations;
  return std::vector<int32_t>(table.data(), table.data() + size);
}

}  // namespace quenor
