#pragma once
// The distinct ways two persons are related. A way goes through a common
// ancestor and two lines of descent from him, one down to each person, that
// have no one else in common. Only the ways of which one line at least meets
// no other common ancestor on its way are told: the others merely repeat how
// the ancestors themselves are related (they count in the coefficients all
// the same). So brothers whose parents are cousins are brothers, while a man
// whose mother is the sister of his niece's father is her uncle and also her
// first cousin. A couple whose child on each side is a child of both counts
// once (a full relationship); an ancestor reached through a child whose other
// parent differs, or is unknown, gives a half relationship. One person
// descending from the other is related by a line of descent.
//
// Lines are counted generation by generation on each side, never listed, so
// that the count stays quick however many lines there are.
#include <cstdint>
#include <vector>

#include "ancestry/pedigree.h"

namespace quenor {

enum class WayKind : uint8_t {
  Descent,         // one person is the common ancestor of the other
  Full,            // through a couple
  Half,            // through one ancestor alone (beyond brothers and sisters)
  HalfSameFather,  // brothers and sisters through their father alone
  HalfSameMother,  // brothers and sisters through their mother alone
};

// A count of lines, held at its largest value once it would overflow.
struct LineCount {
  static constexpr uint64_t kMax = UINT64_MAX;
  uint64_t value = 0;

  bool Saturated() const { return value == kMax; }
  void Add(uint64_t more) { value = more > kMax - value ? kMax : value + more; }
  static uint64_t Product(uint64_t a, uint64_t b) { return (a != 0 && b > kMax / a) ? kMax : a * b; }
};

// The ancestors at the top of some lines of a way: a couple (father, mother)
// or one ancestor alone (second = 0), by individual number.
struct WayAncestors {
  int32_t first = 0;
  int32_t second = 0;
  LineCount lines;
};

struct RelationshipWay {
  int a = 0;  // generations from the common ancestors down to the first person
  int b = 0;  // ... down to the second person
  WayKind kind = WayKind::Full;
  LineCount lines;
  std::vector<WayAncestors> ancestors;  // in increasing individual number

  int CivilDegree() const { return a + b; }
  int CanonicalDegree() const { return a > b ? a : b; }
};

// The ways the ordered places `first` and `second` (two different persons)
// are related, from the closest: by civil degree, then canonical degree, full
// before half, then by generations on the first person's side. Empty when
// they are not related.
std::vector<RelationshipWay> FindRelationshipWays(const Pedigree& pedigree, int32_t first, int32_t second);

}  // namespace quenor
