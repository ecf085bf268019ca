#pragma once
// Coefficients of kinship and inbreeding over a pedigree (Wright's
// definitions). The kinship of two persons is the probability that a gene
// drawn at random in each is the same gene inherited from a common ancestor;
// a person's inbreeding F is the kinship of his father and mother. Persons of
// unknown parents count as unrelated and not inbred.
//
// The kinship of x and y is taken from the shares of their common ancestors
// (the decomposition A = L D L' of the relationship matrix):
//   kinship(x, y) = 1/2 * sum over the common ancestors k of L(x,k) L(y,k) D(k)
// where L(x,k), the share of k in x, is the sum over the lines from k down to
// x of (1/2)^generations, and D(k) is 1/2 - (F(father) + F(mother))/4 when
// both parents of k are known, 3/4 - F(parent)/4 with one, 1 with none. Only
// the ancestors of the two persons are ever visited: no line is listed.
#include <cstdint>
#include <limits>
#include <vector>

#include "ancestry/pedigree.h"

namespace quenor {

// F of a person who is his own ancestor or descends from one: no number.
constexpr double kUndefinedInbreeding = std::numeric_limits<double>::quiet_NaN();

// Working memory for the kinship of pairs of one pedigree, reused from pair
// to pair; one per thread.
class KinshipWork {
 public:
  explicit KinshipWork(const Pedigree& pedigree);

  // The common ancestors of the ordered places x and y, each of the two
  // included when he is an ancestor of the other (x alone when x == y), in
  // no particular order. Valid until the next call.
  const std::vector<int32_t>& CommonAncestors(int32_t x, int32_t y);

  // The kinship of the ordered places x and y. `inbreeding` (by place) must
  // hold F of every parent of their common ancestors.
  double Kinship(int32_t x, int32_t y, const std::vector<double>& inbreeding);

 private:
  // Marks of the persons met from x and from y, by the epoch of the pair.
  struct Marks {
    uint32_t x = 0;
    uint32_t y = 0;
  };
  template <uint32_t Marks::*mark>
  void Collect(int32_t start, std::vector<int32_t>& found);
  void YoungestFirst(std::vector<int32_t>& ancestors);
  void Shares(int32_t start, const std::vector<int32_t>& ancestors, std::vector<double>& shares);
  double Dispersion(int32_t k, const std::vector<double>& inbreeding) const;

  const Pedigree& pedigree_;
  uint32_t epoch_ = 0;
  std::vector<Marks> marks_;
  std::vector<double> sharesX_, sharesY_;
  std::vector<int32_t> ancestorsX_, ancestorsY_, common_, stack_, sorted_, perLevel_;
};

// F of every person of the pedigree, by place; kUndefinedInbreeding for the
// persons beyond the ordered ones. Full brothers and sisters share one
// computation; the persons of a level are shared among up to `threads`
// threads (0: as many as the machine has processors, at most four).
std::vector<double> InbreedingOfAll(const Pedigree& pedigree, unsigned threads = 0);

// F of a few persons of a pedigree, computing only what they need: the F of
// the parents of their parents' common ancestors, and so on upward.
class InbreedingOnDemand {
 public:
  explicit InbreedingOnDemand(const Pedigree& pedigree);

  // F of an ordered place.
  double Of(int32_t place);
  // The kinship of two ordered places.
  double KinshipOf(int32_t x, int32_t y);

 private:
  // Makes sure F is known for every parent of the common ancestors of x and
  // y; false when some had to be computed first (the caller tries again).
  bool NeedsOfPair(int32_t x, int32_t y);

  const Pedigree& pedigree_;
  KinshipWork work_;
  std::vector<double> inbreeding_;  // NaN: not computed yet
  std::vector<int32_t> pending_;
};

}  // namespace quenor
