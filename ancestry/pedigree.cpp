#include "ancestry/pedigree.h"

#include <algorithm>
#include <array>
#include <utility>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"

namespace quenor {
namespace {

// ParentNumbers by individual number, 0 when unknown.
struct ParentNumbers {
  int32_t father = 0;
  int32_t mother = 0;
};

int32_t KnownPerson(const GedcomIndex& index, int32_t n) { return IsKnownPerson(index, n) ? n : 0; }

ParentNumbers ParentsOfFamily(const GedcomIndex& index, int32_t family) {
  if (family <= 0) return {};
  return {KnownPerson(index, HusbandOf(index, family)), KnownPerson(index, WifeOf(index, family))};
}

// The parents of each family read once, for walks that meet the same family
// through every child.
class FamilyParents {
 public:
  explicit FamilyParents(const GedcomIndex& index)
      : index_(index), known_(static_cast<std::size_t>(index.HighestFamily()) + 1) {}

  ParentNumbers Of(int32_t family) {
    if (family <= 0 || static_cast<std::size_t>(family) >= known_.size()) return ParentsOfFamily(index_, family);
    Entry& entry = known_[static_cast<std::size_t>(family)];
    if (!entry.read) entry = {ParentsOfFamily(index_, family), true};
    return entry.parents;
  }

 private:
  struct Entry {
    ParentNumbers parents;
    bool read = false;
  };
  const GedcomIndex& index_;
  std::vector<Entry> known_;
};

}  // namespace

// The persons as they are met, numbered in that order, with their parents by
// individual number; then the level order, the places and the loops.
class Pedigree::Builder {
 public:
  Builder(Pedigree& pedigree, int32_t limit) : pedigree_(pedigree) {
    pedigree_.individualLimit_ = limit;
    pedigree_.placeByIndividual_.reset(static_cast<int32_t*>(std::calloc(static_cast<std::size_t>(limit), sizeof(int32_t))));
    if (!pedigree_.placeByIndividual_) throw std::bad_alloc();
  }

  // The provisional number of individual n, met now if he was not yet.
  int32_t Meet(int32_t n) {
    int32_t& slot = pedigree_.placeByIndividual_[n];
    if (slot == 0) {
      met_.push_back(n);
      slot = static_cast<int32_t>(met_.size());
    }
    return slot - 1;
  }

  int32_t MetCount() const { return static_cast<int32_t>(met_.size()); }
  int32_t MetIndividual(int32_t number) const { return met_[static_cast<std::size_t>(number)]; }

  void SetParents(const ParentNumbers& parents) { parents_.push_back(parents); }

  // The persons met have their parents set, in the order they were met.
  void Finish();

 private:
  void PlaceInLevelOrder();
  void FindLoops();

  Pedigree& pedigree_;
  std::vector<int32_t> met_;       // individual numbers by provisional number
  std::vector<ParentNumbers> parents_;   // by provisional number, individual numbers
};

void Pedigree::Builder::Finish() {
  const std::size_t count = met_.size();
  pedigree_.parents_.assign(count, {});
  for (std::size_t i = 0; i < count; ++i) {
    const ParentNumbers& p = parents_[i];
    if (p.father != 0) pedigree_.parents_[i].father = pedigree_.PlaceOf(p.father);
    if (p.mother != 0) pedigree_.parents_[i].mother = pedigree_.PlaceOf(p.mother);
  }
  parents_.clear();
  parents_.shrink_to_fit();
  pedigree_.individuals_ = std::move(met_);
  PlaceInLevelOrder();
  FindLoops();
}

// Levels by repeatedly taking the persons whose known parents are all placed
// (Kahn's order, a level at a time); persons left are on a loop or descend
// from one.
void Pedigree::Builder::PlaceInLevelOrder() {
  const auto count = static_cast<std::size_t>(pedigree_.Size());
  std::vector<Pedigree::Parents>& parents = pedigree_.parents_;
  std::vector<uint8_t> waiting(count, 0);  // parents not placed yet
  std::vector<int32_t> childStart(count + 1, 0);
  for (std::size_t i = 0; i < count; ++i) {
    for (const int32_t parent : {parents[i].father, parents[i].mother}) {
      if (parent == kNone) continue;
      ++waiting[i];
      ++childStart[static_cast<std::size_t>(parent) + 1];
    }
  }
  for (std::size_t i = 0; i < count; ++i) childStart[i + 1] += childStart[i];
  std::vector<int32_t> children(static_cast<std::size_t>(childStart[count]));
  {
    std::vector<int32_t> next(childStart.begin(), childStart.end() - 1);
    for (std::size_t i = 0; i < count; ++i) {
      for (const int32_t parent : {parents[i].father, parents[i].mother}) {
        if (parent != kNone) children[static_cast<std::size_t>(next[static_cast<std::size_t>(parent)]++)] = static_cast<int32_t>(i);
      }
    }
  }

  // Founders whose children all have one same known other parent.
  std::vector<bool> oneCouple(count, false);
  for (std::size_t i = 0; i < count; ++i) {
    if (parents[i].father != kNone || parents[i].mother != kNone) continue;
    int32_t other = kNone;
    bool one = true;
    for (int32_t c = childStart[i]; c < childStart[i + 1] && one; ++c) {
      const Pedigree::Parents& of = parents[static_cast<std::size_t>(children[static_cast<std::size_t>(c)])];
      const int32_t partner = of.father == static_cast<int32_t>(i) ? of.mother : of.father;
      one = partner != kNone && partner != static_cast<int32_t>(i) && (other == kNone || other == partner);
      other = partner;
    }
    oneCouple[i] = one;
  }

  std::vector<int32_t> order;  // provisional numbers in level order
  order.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (waiting[i] == 0) order.push_back(static_cast<int32_t>(i));
  }
  pedigree_.levelStarts_.assign(1, 0);
  pedigree_.levels_.clear();
  std::size_t levelBegin = 0;
  while (levelBegin < order.size()) {
    const std::size_t levelEnd = order.size();
    pedigree_.levels_.resize(levelEnd, static_cast<int32_t>(pedigree_.levelStarts_.size()) - 1);
    pedigree_.levelStarts_.push_back(static_cast<int32_t>(levelEnd));
    for (std::size_t k = levelBegin; k < levelEnd; ++k) {
      const auto person = static_cast<std::size_t>(order[k]);
      for (int32_t c = childStart[person]; c < childStart[person + 1]; ++c) {
        const int32_t child = children[static_cast<std::size_t>(c)];
        if (--waiting[static_cast<std::size_t>(child)] == 0) order.push_back(child);
      }
    }
    levelBegin = levelEnd;
  }
  pedigree_.orderedCount_ = static_cast<int32_t>(order.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (waiting[i] != 0) order.push_back(static_cast<int32_t>(i));
  }

  // Renumber everything by place.
  std::vector<int32_t> placeOf(count);
  for (std::size_t k = 0; k < count; ++k) placeOf[static_cast<std::size_t>(order[k])] = static_cast<int32_t>(k);
  auto renumbered = [&](int32_t parent) { return parent == kNone ? kNone : placeOf[static_cast<std::size_t>(parent)]; };
  std::vector<int32_t> individuals(count);
  std::vector<Pedigree::Parents> newParents(count);
  pedigree_.foundersOfOneCouple_.assign(count, false);
  for (std::size_t k = 0; k < count; ++k) {
    const auto from = static_cast<std::size_t>(order[k]);
    pedigree_.foundersOfOneCouple_[k] = oneCouple[from];
    individuals[k] = pedigree_.individuals_[from];
    newParents[k] = {renumbered(parents[from].father), renumbered(parents[from].mother)};
    pedigree_.placeByIndividual_[individuals[k]] = static_cast<int32_t>(k) + 1;
  }
  pedigree_.individuals_ = std::move(individuals);
  parents = std::move(newParents);
}

// The persons on a loop are those of a strongly connected group of more than
// one person, or their own father or mother (Tarjan's method, without
// recursion, over the unordered places only: the parents of an unordered
// person who are ordered cannot lead back to him).
void Pedigree::Builder::FindLoops() {
  const int32_t first = pedigree_.orderedCount_;
  const auto count = static_cast<std::size_t>(pedigree_.Size() - first);
  pedigree_.onLoop_.assign(count, false);
  if (count == 0) return;
  auto local = [first](int32_t place) { return static_cast<std::size_t>(place - first); };
  auto parentOf = [&](int32_t place, int which) {
    const int32_t parent = which == 0 ? pedigree_.Father(place) : pedigree_.Mother(place);
    return parent != kNone && parent >= first ? parent : kNone;
  };
  constexpr int32_t kUnvisited = -1;
  std::vector<int32_t> visitIndex(count, kUnvisited), lowLink(count, 0);
  std::vector<bool> onStack(count, false);
  std::vector<int32_t> stack;
  struct Frame {
    int32_t place;
    int nextParent;
  };
  std::vector<Frame> frames;
  int32_t counter = 0;
  for (int32_t root = first; root < pedigree_.Size(); ++root) {
    if (visitIndex[local(root)] != kUnvisited) continue;
    frames.push_back({root, 0});
    visitIndex[local(root)] = lowLink[local(root)] = counter++;
    stack.push_back(root);
    onStack[local(root)] = true;
    while (!frames.empty()) {
      Frame& frame = frames.back();
      const std::size_t v = local(frame.place);
      if (frame.nextParent < 2) {
        const int32_t parent = parentOf(frame.place, frame.nextParent++);
        if (parent == kNone) continue;
        const std::size_t w = local(parent);
        if (visitIndex[w] == kUnvisited) {
          visitIndex[w] = lowLink[w] = counter++;
          stack.push_back(parent);
          onStack[w] = true;
          frames.push_back({parent, 0});
        } else if (onStack[w]) {
          lowLink[v] = std::min(lowLink[v], visitIndex[w]);
        }
        continue;
      }
      const int32_t place = frame.place;
      frames.pop_back();
      if (!frames.empty()) {
        const std::size_t up = local(frames.back().place);
        lowLink[up] = std::min(lowLink[up], lowLink[v]);
      }
      if (lowLink[v] != visitIndex[v]) continue;
      // `place` is the root of a group: take it off the stack.
      std::size_t groupStart = stack.size();
      while (stack[groupStart - 1] != place) --groupStart;
      --groupStart;
      const bool loop = stack.size() - groupStart > 1 || pedigree_.Father(place) == place || pedigree_.Mother(place) == place;
      for (std::size_t k = groupStart; k < stack.size(); ++k) {
        onStack[local(stack[k])] = false;
        if (loop) pedigree_.onLoop_[local(stack[k])] = true;
      }
      stack.resize(groupStart);
    }
  }
}

Pedigree Pedigree::OfWholeFile(const GedcomIndex& index) {
  Pedigree pedigree;
  const int32_t highest = std::min(index.HighestIndividual(), GedcomIndex::kMaxIndividual);
  Builder builder(pedigree, highest + 1);
  for (int32_t n = 1; n <= highest; ++n) {
    if (index.IndividualRecord(n) != nullptr) builder.Meet(n);
  }
  FamilyParents families(index);
  for (int32_t i = 0; i < builder.MetCount(); ++i) builder.SetParents(families.Of(index.ParentFamily(builder.MetIndividual(i))));
  builder.Finish();
  return pedigree;
}

Pedigree Pedigree::OfAncestors(const GedcomIndex& index, std::span<const int32_t> persons) {
  Pedigree pedigree;
  const int32_t highest = std::min(index.HighestIndividual(), GedcomIndex::kMaxIndividual);
  Builder builder(pedigree, highest + 1);
  for (const int32_t n : persons) {
    if (KnownPerson(index, n) != 0) builder.Meet(n);
  }
  // Each person met is asked for his parents once, in the order met; the
  // parents met join the end of the list.
  for (int32_t i = 0; i < builder.MetCount(); ++i) {
    const ParentNumbers parents = ParentsOfFamily(index, index.ParentFamily(builder.MetIndividual(i)));
    if (parents.father != 0) builder.Meet(parents.father);
    if (parents.mother != 0) builder.Meet(parents.mother);
    builder.SetParents(parents);
  }
  builder.Finish();
  return pedigree;
}

Pedigree Pedigree::OfPersons(int32_t limit, std::span<const Links> persons) {
  Pedigree pedigree;
  Builder builder(pedigree, limit);
  std::vector<ParentNumbers> parents;
  parents.reserve(persons.size());
  for (const Links& person : persons) {
    if (person.individual <= 0 || person.individual >= limit) continue;
    const int32_t met = builder.MetCount();
    if (builder.Meet(person.individual) != met) continue;  // given twice: the first holds
    parents.push_back({person.father, person.mother});
  }
  // A parent who was not given is not placed: Finish leaves him unknown.
  for (const ParentNumbers& p : parents) builder.SetParents(p);
  builder.Finish();
  return pedigree;
}

bool IsKnownPerson(const GedcomIndex& index, int32_t n) { return n > 0 && index.IndividualRecord(n) != nullptr; }

Pedigree::Links KnownParents(const GedcomIndex& index, int32_t n) {
  const ParentNumbers parents = ParentsOfFamily(index, index.ParentFamily(n));
  return {n, parents.father, parents.mother};
}

int32_t Pedigree::PlaceOf(int32_t individual) const {
  if (individual <= 0 || individual >= individualLimit_) return kNone;
  return placeByIndividual_[individual] - 1;
}

// Each person beyond the ordered ones has a parent beyond them too (he would
// be ordered otherwise); following such parents from a person not on a loop
// never comes back to him, so one walk with remembered answers does.
std::vector<int32_t> Pedigree::LoopAncestors() const {
  const auto count = static_cast<std::size_t>(Size() - orderedCount_);
  std::vector<int32_t> found(count, kNone);
  auto local = [this](int32_t place) { return static_cast<std::size_t>(place - orderedCount_); };
  auto unorderedParent = [this](int32_t place) {
    for (const int32_t parent : {Father(place), Mother(place)}) {
      if (parent != kNone && !IsOrdered(parent)) return parent;
    }
    return kNone;
  };
  std::vector<int32_t> path;
  for (int32_t place = orderedCount_; place < Size(); ++place) {
    int32_t p = place;
    while (found[local(p)] == kNone && !OnLoop(p)) {
      path.push_back(p);
      p = unorderedParent(p);
      if (p == kNone) break;  // not expected: a person beyond the order always has such a parent
    }
    const int32_t loop = p == kNone ? kNone : (OnLoop(p) ? p : found[local(p)]);
    if (p != kNone && OnLoop(p)) found[local(p)] = p;
    for (const int32_t walked : path) found[local(walked)] = loop;
    path.clear();
  }
  return found;
}

int32_t Pedigree::LoopAncestor(int32_t place) const {
  if (IsOrdered(place)) return kNone;
  return LoopAncestors()[static_cast<std::size_t>(place - orderedCount_)];
}

}  // namespace quenor
