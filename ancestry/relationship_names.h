#pragma once
// The French names of kinship and its degrees, by the number of generations
// that part each person from the common ancestors. Every text is
// Windows-1252.
#include <string>

#include "ancestry/relationship_ways.h"
#include "gedcom/person_sex.h"

namespace quenor {

// What a person `own` generations below the common ancestors is to a person
// `other` generations below them ("oncle", "cousine germaine", "frère
// consanguin", "cousin issu de germain d'un ascendant à la 3e génération"),
// in the form of his sex; an unknown sex gives the form that covers both
// ("cousin(e) germain(e)", "oncle ou tante").
std::string KinshipName(int own, int other, WayKind kind, Sex sex);

// "1er", "2e", "3e"...
std::string Ordinal(int n);

// The civil degree a + b: "4e degré".
std::string CivilDegreeText(int a, int b);

// The canonical degree: "2e degré" when both lines have the same length (or
// for a line of descent), "du 2e au 3e degré" otherwise.
std::string CanonicalDegreeText(int a, int b);

}  // namespace quenor
