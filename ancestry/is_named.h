#pragma once
// Whether a person has a name worth counting.
#include <cstdint>

namespace quenor {

class GedcomIndex;
struct NameParts;

// True when the name of individual n, surname first, holds at least one
// letter: a byte at or above "A", accented letters included.
bool IsNamed(const GedcomIndex& index, int32_t n);

// The same for a name already read (ReadNameParts).
bool IsNamed(const NameParts& parts);

}  // namespace quenor
