#pragma once
// The search for the kinship links between the two persons chosen
// (session.kinship.firstPerson and secondPerson).
namespace quenor {

class Session;

enum class KinshipOutcome {
  Unreliable,     // a person is his own ancestor on one side: nothing written
  NoCommonRoot,   // neither a root ancestor nor a descent: nothing written
  RootAncestors,  // LstSouch.TXT and LignCol.TXT written
  Descent,        // LstDesc.TXT written, and OrgDesc.TXT under 100 lines
  NotWritten,     // a report file could not be written (the user was told)
};

// Builds both ancestor tables, checks them, prunes them above the first
// common ancestor of every line, then writes either the root ancestors and
// the collateral lines, or the descent lines and the organigram.
KinshipOutcome SearchKinship(Session& session);

}  // namespace quenor
