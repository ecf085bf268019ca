#pragma once
// The father and mother of a set of persons over every generation of the
// file, without the 20-generation limit of the ancestor table: every
// individual of the file, or some persons with all their ancestors.
//
// Persons are held by place. The places 0 .. OrderedCount()-1 are in level
// order: a person without known parents is at level 0, any other one level
// above the higher of his parents, so that ancestors always come before their
// descendants. The places beyond hold the persons who are their own ancestors
// and everyone descending from them: no order exists for them.
//
// A parent is unknown when the person has no parent family, when the family
// has no HUSB or WIFE line or a pointer without a number, or when it points to
// a record that is not indexed.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace quenor {

class GedcomIndex;

class Pedigree {
 public:
  static constexpr int32_t kNone = -1;

  // Every individual of the loaded file.
  static Pedigree OfWholeFile(const GedcomIndex& index);
  // The persons given (individual numbers; those without a record are left
  // out) and all their ancestors.
  static Pedigree OfAncestors(const GedcomIndex& index, std::span<const int32_t> persons);

  // A person with the individual numbers of his father and mother (0 when
  // unknown).
  struct Links {
    int32_t individual = 0;
    int32_t father = 0;
    int32_t mother = 0;
  };
  // Exactly the persons given, numbered below `limit`: a parent who is not
  // one of them counts as unknown.
  static Pedigree OfPersons(int32_t limit, std::span<const Links> persons);

  int32_t Size() const { return static_cast<int32_t>(individuals_.size()); }
  int32_t OrderedCount() const { return orderedCount_; }
  bool IsOrdered(int32_t place) const { return place < orderedCount_; }

  // The place of individual `individual`, or kNone when he is not here.
  int32_t PlaceOf(int32_t individual) const;
  int32_t Individual(int32_t place) const { return individuals_[static_cast<std::size_t>(place)]; }
  // The places of the father and mother, kNone when unknown: side by side,
  // so that a walk up the lines reads both at once.
  struct Parents {
    int32_t father = kNone;
    int32_t mother = kNone;
  };
  const Parents& ParentsOf(int32_t place) const { return parents_[static_cast<std::size_t>(place)]; }
  int32_t Father(int32_t place) const { return ParentsOf(place).father; }
  int32_t Mother(int32_t place) const { return ParentsOf(place).mother; }

  // The ordered places of level l are LevelStart(l) .. LevelStart(l + 1) - 1.
  int LevelCount() const { return static_cast<int>(levelStarts_.size()) - 1; }
  int32_t LevelStart(int level) const { return levelStarts_[static_cast<std::size_t>(level)]; }
  // The level of an ordered place.
  int32_t LevelOf(int32_t place) const { return levels_[static_cast<std::size_t>(place)]; }

  // True for a person without known parents whose children all have the
  // same other parent (or who has none): he cannot be an ancestor of that
  // other parent, so that their children are not inbred.
  bool FounderOfOneCouple(int32_t place) const { return foundersOfOneCouple_[static_cast<std::size_t>(place)]; }

  // True for a person who is his own ancestor.
  bool OnLoop(int32_t place) const { return !IsOrdered(place) && onLoop_[static_cast<std::size_t>(place - orderedCount_)]; }
  // For a place beyond the ordered ones: a person on a loop among the person
  // himself and his ancestors (himself when he is on one); kNone for an
  // ordered place.
  int32_t LoopAncestor(int32_t place) const;
  // The same for every place beyond the ordered ones, in place order.
  std::vector<int32_t> LoopAncestors() const;

 private:
  struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
  };
  // Discovery: persons get a provisional number as they are met.
  class Builder;

  // Place + 1 by individual number (0: not here); allocated zeroed, so that
  // only the pages of the numbers met are ever touched.
  std::unique_ptr<int32_t[], FreeDeleter> placeByIndividual_;
  int32_t individualLimit_ = 0;  // numbers 0 .. individualLimit_ - 1 are mapped
  std::vector<int32_t> individuals_;
  std::vector<Parents> parents_;
  std::vector<int32_t> levels_;  // of the ordered places
  std::vector<bool> foundersOfOneCouple_;
  std::vector<int32_t> levelStarts_;
  std::vector<bool> onLoop_;  // for the unordered places
  int32_t orderedCount_ = 0;
};

// The father and mother of individual n as every pedigree reads them: a
// parent is known when his pointer names an indexed record other than 0;
// both 0 when n has no parent family.
Pedigree::Links KnownParents(const GedcomIndex& index, int32_t n);
// True when n names an indexed individual other than 0.
bool IsKnownPerson(const GedcomIndex& index, int32_t n);

}  // namespace quenor
