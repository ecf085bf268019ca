#pragma once
// The degrees of kinship of the two persons of a search, Parente.TXT: every
// way they are related over every generation of the file, with the French
// names, the civil and canonical degrees and the number of lines, then their
// coefficients of kinship and inbreeding.
namespace quenor {

class Session;

enum class KinshipDegreesOutcome {
  Written,     // Parente.TXT written, its menu items enabled
  NotRelated,  // no common ancestor at any generation: nothing written
  Undefined,   // one of them is his own ancestor or descends from one: refused, the user told
  NotWritten,  // the file could not be written: the user told
};

// For session.kinship.firstPerson and secondPerson; writes report slot 10.
KinshipDegreesOutcome ReportKinshipDegrees(Session& session);

}  // namespace quenor
