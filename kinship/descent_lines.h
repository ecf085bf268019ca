#pragma once
// The lines of descent from one chosen person down to the other: LstDesc.TXT,
// then the organigram when there are fewer than 100 lines.
#include <cstdint>
#include <string>
#include <vector>

#include "ancestry/ancestor_table.h"

namespace quenor {

class Session;

struct Descent {
  int descentCase;           // 1: the first person descends from the second; 2: the reverse
  int32_t descendant;
  int32_t ancestor;
  const AncestorTable& table;  // the descendant's ancestor table
  int32_t last;              // its highest filled Stradonitz number
};

// More lines than this are listed but not drawn as an organigram.
constexpr std::size_t kOrganigramLineLimit = 100;

// The Stradonitz numbers at which the ancestor stands in the descendant's
// table, increasing: one per line of descent.
std::vector<int32_t> DescentLineIndexes(const Descent& descent);

// The text of LstDesc.TXT.
std::string DescentLinesText(const Session& session, const Descent& descent);

// Writes and shows LstDesc.TXT, tells who descends from whom by how many
// lines, then lays out the organigram under 100 lines. False when a file
// cannot be written.
bool ReportDescentLines(Session& session, const Descent& descent);

}  // namespace quenor
