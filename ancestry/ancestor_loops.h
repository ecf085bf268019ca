#pragma once
// Finding the persons that are their own ancestors in an ancestor table.
#include <cstdint>

#include "ancestry/ancestor_table.h"

namespace quenor {

class Session;

// Finds what a walk of every line of the generation of `last` (its highest
// filled number) back to entry 1 finds, in a table as a build leaves it
// (nobody below an empty entry), with work in proportion to its filled
// entries. Each person found twice on one line is named once in an
// "Erreur dans le fichier GEDCOM" message, then one summary message follows.
// Returns the first generation in which a loop shows, or 0 when there is none.
int CheckAncestorLoops(Session& session, const AncestorTable& table, int32_t last);

}  // namespace quenor
