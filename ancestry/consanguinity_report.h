#pragma once
// The consanguinity of one person, Consang.TXT: his coefficient of inbreeding
// over every generation of the file, how his father and mother are related,
// and their closest common ancestors.
#include <cstdint>
#include <string>

namespace quenor {

class Pedigree;
class Session;

enum class ConsanguinityOutcome {
  Written,    // Consang.TXT written
  Undefined,  // the person is his own ancestor or descends from one: refused, the user told
  NotWritten, // the file could not be written: the user told
};

// Writes report slot 11 for individual `person` and sets its content flag.
// Nothing is written when his coefficient has no value.
ConsanguinityOutcome WriteConsanguinityReport(Session& session, int32_t person);

// The stop message telling that the coefficient of `name` cannot be
// computed, naming the person of the loop found among the ancestors of
// `place`. `what` says what cannot be computed, for instance "Le coefficient
// de consanguinité de Jean Dupont".
void TellUndefinedCoefficient(Session& session, const Pedigree& pedigree, int32_t place, const std::string& what);

}  // namespace quenor
