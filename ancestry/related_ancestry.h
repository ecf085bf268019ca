#pragma once
// The part of some persons' ancestry that bears on how they are related.
//
// Walking up from the persons, an ancestor reached by one child only, none
// of whose own ancestors is reached by two, heads a branch of strangers: all
// his ancestors are distinct, none of them is inbred, none is related to
// anyone else but through that child, and no way of kinship stops among them
// without going through him first. Leaving such branches out, the child
// keeping that parent unknown, changes no coefficient of kinship or
// inbreeding and no way between any two persons kept: the child of two
// unrelated strangers contributes as a person of unknown parents does.
//
// So a search over every generation of a large file looks at the few lines
// that meet again, not at the million ancestors of a complete pedigree.
#include <cstdint>
#include <span>

#include "ancestry/pedigree.h"

namespace quenor {

class GedcomIndex;

// The persons given (individual numbers; those without a record are left
// out), always kept with the links between them, and every ancestor of theirs
// who is one of them, is reached by two children or more, or descends from
// such an ancestor.
Pedigree RelatedAncestry(const GedcomIndex& index, std::span<const int32_t> persons);

}  // namespace quenor
