#pragma once
// Who holds each place of the probant's fan: individual numbers by
// Stradonitz number, read from the probant's own ancestors whatever another
// search left in the shared ancestor table.
#include <cstdint>
#include <vector>

namespace quenor {

class GedcomIndex;

// Entries 0 to 2^generations - 1 of the probant's ancestor table (0 for an
// empty place; entry 1 is the probant).
std::vector<int32_t> ProbantOccupants(const GedcomIndex& index, int32_t probant, int generations);

}  // namespace quenor
