#pragma once
// The double collateral lines: for each root ancestor, every line from it
// down to the first person paired with a line from it down to the second
// person, written side by side in LignCol.TXT.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ancestry/ancestor_table.h"

namespace quenor {

class Session;
class SideMark;

// One double collateral line. Entry 0 holds the root couple: the husband on
// the first side and the wife on the second, each only when he or she is a
// root ancestor. Entries 1 onwards hold the line from the couple's child down
// to the first (second) person; 0 where the line has ended or is missing.
struct CollateralRow {
  static constexpr int kEntries = 20;
  std::array<int32_t, kEntries> first{};
  std::array<int32_t, kEntries> second{};
};

// Pairs the lines of both pruned tables, one group of rows per root ancestor
// in increasing number; each couple that holds a root ancestor serves the
// group of the smaller one only.
std::vector<CollateralRow> PairCollateralLines(const AncestorTable& first, int32_t firstLast,
                                               const AncestorTable& second, int32_t secondLast,
                                               const std::vector<int32_t>& roots, const SideMark& marks);

// The text of LignCol.TXT.
std::string CollateralLinesText(const Session& session, const std::vector<CollateralRow>& rows,
                                std::size_t rootCount);

// Pairs the lines of session.kinship's tables, writes and shows LignCol.TXT
// and tells the number of lines. False when the file cannot be written.
bool ReportCollateralLines(Session& session, const std::vector<int32_t>& roots, const SideMark& marks);

}  // namespace quenor
