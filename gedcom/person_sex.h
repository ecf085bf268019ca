#pragma once
// The sex of a person, for the names of kinship that depend on it.
#include <cstdint>

namespace quenor {

class GedcomIndex;

enum class Sex : uint8_t { Unknown, Male, Female };

// From the person's "1 SEX" line when it says M or F; otherwise from his place
// in the families of his FAMS lines (HUSB: a man, WIFE: a woman); otherwise
// unknown.
Sex SexOf(const GedcomIndex& index, int32_t n);

}  // namespace quenor
