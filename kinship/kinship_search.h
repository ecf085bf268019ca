#pragma once
// The search for the kinship links between the two persons chosen
// (session.kinship.firstPerson and secondPerson).
#include "kinship/kinship_outcome.h"

namespace quenor {

class Session;

// Builds both ancestor tables, checks them, prunes them above the first
// common ancestor of every line, then writes either the root ancestors and
// the collateral lines, or the descent lines and the organigram. The outcome
// is also kept in session.kinship.outcome.
KinshipOutcome SearchKinship(Session& session);

}  // namespace quenor
