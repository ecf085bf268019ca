#pragma once
// The consanguinity of one person, Consang.TXT: his coefficient of inbreeding
// over every generation of the file, how his father and mother are related,
// and their closest common ancestors.
#include <cstdint>
#include <string>
#include <vector>

#include "ancestry/relationship_text.h"
#include "ancestry/relationship_ways.h"

namespace quenor {

class GedcomIndex;
class Pedigree;
class Session;

enum class ConsanguinityOutcome {
  Written,    // Consang.TXT written
  Undefined,  // the person is his own ancestor or descends from one: refused, the user told
  NotWritten, // the file could not be written: the user told
};

// What the report says of a person and his parents, found from the loaded
// file alone (so that it may be found on another thread).
struct ConsanguinityFindings {
  RelatedPerson person;
  RelatedPerson father;  // number 0: unknown
  RelatedPerson mother;
  double inbreeding = 0.0;
  double fatherInbreeding = 0.0;
  double motherInbreeding = 0.0;
  std::vector<RelationshipWay> ways;  // of the father and the mother
  // Not 0 when the person is his own ancestor or descends from one: the
  // person of the loop to name, and no coefficient.
  int32_t ownAncestor = 0;
};

ConsanguinityFindings FindConsanguinity(const GedcomIndex& index, int32_t person);

// Writes report slot 11 from the findings and sets its content flag; for a
// person without a coefficient, tells the user and writes nothing.
ConsanguinityOutcome WriteConsanguinityReport(Session& session, const ConsanguinityFindings& findings);
// The same for individual `person`, found now.
ConsanguinityOutcome WriteConsanguinityReport(Session& session, int32_t person);

// The stop message telling that the coefficient of `name` cannot be
// computed, naming the person of the loop found among the ancestors of
// `place`. `what` says what cannot be computed, for instance "Le coefficient
// de consanguinité de Jean Dupont".
void TellUndefinedCoefficient(Session& session, const Pedigree& pedigree, int32_t place, const std::string& what);
// The same naming individual `ownAncestor`.
void TellUndefinedCoefficient(Session& session, int32_t ownAncestor, const std::string& what);

}  // namespace quenor
