#pragma once
// What the kinship search keeps between the choice of two persons and the
// consultation of its results.
#include <cstdint>
#include <string>

#include "ancestry/ancestor_table.h"
#include "kinship/kinship_outcome.h"
#include "kinship/organigram_layout.h"

namespace quenor {

struct KinshipState {
  int32_t firstPerson = 0;
  int32_t secondPerson = 0;
  std::string firstName;   // format 0
  std::string secondName;  // format 0

  // Both persons' ancestor tables, in storage of their own so that the
  // probant's table survives a search; left as the search leaves them.
  AncestorTable firstAncestors;
  AncestorTable secondAncestors;
  int32_t firstLast = 0;   // highest Stradonitz number filled in each table
  int32_t secondLast = 0;

  KinshipOutcome outcome = KinshipOutcome::NotRun;
  // The last organigram written; laidOut only when the last search wrote it.
  OrganigramLayout organigram;
};

}  // namespace quenor
