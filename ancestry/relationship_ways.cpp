#include "ancestry/relationship_ways.h"

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <unordered_map>

namespace quenor {
namespace {

// Lines by number of generations (the index).
using Histogram = std::vector<uint64_t>;

void AddInto(Histogram& into, const Histogram& more) {
  if (into.size() < more.size()) into.resize(more.size(), 0);
  for (std::size_t g = 0; g < more.size(); ++g) {
    LineCount sum{into[g]};
    sum.Add(more[g]);
    into[g] = sum.value;
  }
}

// One generation more: the same lines seen from a parent.
Histogram OneGenerationUp(const Histogram& lines) {
  Histogram up(lines.size() + 1, 0);
  std::copy(lines.begin(), lines.end(), up.begin() + 1);
  return up;
}

// How one side reaches a common ancestor: through one of his children
// (kNone: the common ancestor is the person himself), by so many lines of so
// many generations; `clean` counts those of them that meet no other common
// ancestor on their way.
struct Arrival {
  int32_t child = Pedigree::kNone;
  Histogram clean;
  Histogram all;
};

using Arrivals = std::unordered_map<int32_t, std::vector<Arrival>>;  // by common ancestor

// The ancestors of `start` with himself, descendants first.
std::vector<int32_t> AncestorsYoungestFirst(const Pedigree& pedigree, int32_t start, std::vector<uint8_t>& seen,
                                            uint8_t bit) {
  std::vector<int32_t> found;
  std::vector<int32_t> stack{start};
  seen[static_cast<std::size_t>(start)] |= bit;
  while (!stack.empty()) {
    const int32_t person = stack.back();
    stack.pop_back();
    found.push_back(person);
    for (const int32_t parent : {pedigree.Father(person), pedigree.Mother(person)}) {
      if (parent == Pedigree::kNone || (seen[static_cast<std::size_t>(parent)] & bit) != 0) continue;
      seen[static_cast<std::size_t>(parent)] |= bit;
      stack.push_back(parent);
    }
  }
  std::sort(found.begin(), found.end(), std::greater<>());
  return found;
}

constexpr uint8_t kFirstSide = 1;
constexpr uint8_t kSecondSide = 2;
constexpr uint8_t kBothSides = kFirstSide | kSecondSide;

// Counts the lines from `start` up to every common ancestor, by the child
// of the common ancestor they come through. No line goes through `other`,
// the person at the end of the other side: a line that did would not be a
// line of its own.
Arrivals WalkSide(const Pedigree& pedigree, int32_t start, int32_t other, const std::vector<int32_t>& ancestors,
                  const std::vector<uint8_t>& sides) {
  auto common = [&](int32_t p) { return sides[static_cast<std::size_t>(p)] == kBothSides; };
  Arrivals arrivals;
  if (common(start)) arrivals[start].push_back({Pedigree::kNone, Histogram{1}, Histogram{1}});
  struct Lines {
    Histogram clean;
    Histogram all;
  };
  std::unordered_map<int32_t, Lines> lines{{start, {Histogram{1}, Histogram{1}}}};
  for (const int32_t person : ancestors) {
    const auto found = lines.find(person);
    if (found == lines.end()) continue;
    const Lines up{found->second.clean.empty() ? Histogram{} : OneGenerationUp(found->second.clean),
                   OneGenerationUp(found->second.all)};
    lines.erase(found);
    if (person == other) continue;
    for (const int32_t parent : {pedigree.Father(person), pedigree.Mother(person)}) {
      if (parent == Pedigree::kNone) continue;
      if (common(parent)) arrivals[parent].push_back({person, up.clean, up.all});
      Lines& above = lines[parent];
      // A clean line stops at the first common ancestor it meets.
      if (!common(parent)) AddInto(above.clean, up.clean);
      AddInto(above.all, up.all);
    }
  }
  return arrivals;
}

using WayKey = std::tuple<int, int, WayKind>;

uint64_t At(const Histogram& lines, std::size_t generations) { return generations < lines.size() ? lines[generations] : 0; }

// The pairs of lines of a and b generations, one from each arrival, of
// which one at least is clean: a clean line and any line of the other side
// share no one but the common ancestor.
uint64_t PairsOfLines(const Arrival& first, std::size_t a, const Arrival& second, std::size_t b) {
  const uint64_t firstClean = At(first.clean, a);
  const uint64_t secondClean = At(second.clean, b);
  LineCount pairs{LineCount::Product(firstClean, At(second.all, b))};
  pairs.Add(LineCount::Product(At(first.all, a) - firstClean, secondClean));
  return pairs.value;
}

struct WayTally {
  LineCount lines;
  std::map<std::pair<int32_t, int32_t>, LineCount> ancestors;
};

class WayCollector {
 public:
  explicit WayCollector(const Pedigree& pedigree) : pedigree_(pedigree) {}

  // The lines that go down from the common ancestor `top` through `first`
  // and `second`.
  void Join(int32_t top, const Arrival& first, const Arrival& second) {
    std::pair<int32_t, int32_t> ancestors{pedigree_.Individual(top), 0};
    bool byFather = false;
    const bool descent = first.child == Pedigree::kNone || second.child == Pedigree::kNone;
    bool full = false;
    if (!descent) {
      const int32_t father = pedigree_.Father(first.child);
      const int32_t mother = pedigree_.Mother(first.child);
      full = father != Pedigree::kNone && mother != Pedigree::kNone && father == pedigree_.Father(second.child) &&
             mother == pedigree_.Mother(second.child);
      // A couple's lines are counted once, from the father.
      if (full && top != father) return;
      if (full) ancestors = {pedigree_.Individual(father), pedigree_.Individual(mother)};
      byFather = top == father;
    }
    for (std::size_t a = 0; a < first.all.size(); ++a) {
      if (first.all[a] == 0) continue;
      for (std::size_t b = 0; b < second.all.size(); ++b) {
        const uint64_t lines = PairsOfLines(first, a, second, b);
        if (lines == 0) continue;
        const WayKind kind = descent ? WayKind::Descent
                             : full  ? WayKind::Full
                             : (a == 1 && b == 1) ? (byFather ? WayKind::HalfSameFather : WayKind::HalfSameMother)
                                                  : WayKind::Half;
        WayTally& tally = ways_[{static_cast<int>(a), static_cast<int>(b), kind}];
        tally.lines.Add(lines);
        tally.ancestors[ancestors].Add(lines);
      }
    }
  }

  std::vector<RelationshipWay> Ways() const {
    std::vector<RelationshipWay> ways;
    for (const auto& [key, tally] : ways_) {
      RelationshipWay way;
      std::tie(way.a, way.b, way.kind) = key;
      way.lines = tally.lines;
      for (const auto& [persons, lines] : tally.ancestors) way.ancestors.push_back({persons.first, persons.second, lines});
      ways.push_back(std::move(way));
    }
    std::stable_sort(ways.begin(), ways.end(), [](const RelationshipWay& l, const RelationshipWay& r) {
      const auto rank = [](const RelationshipWay& w) {
        return std::tuple(w.CivilDegree(), w.CanonicalDegree(), w.kind != WayKind::Full && w.kind != WayKind::Descent, w.a,
                          static_cast<int>(w.kind));
      };
      return rank(l) < rank(r);
    });
    return ways;
  }

 private:
  const Pedigree& pedigree_;
  std::map<WayKey, WayTally> ways_;
};

}  // namespace

std::vector<RelationshipWay> FindRelationshipWays(const Pedigree& pedigree, int32_t first, int32_t second) {
  if (first == second || !pedigree.IsOrdered(first) || !pedigree.IsOrdered(second)) return {};
  std::vector<uint8_t> sides(static_cast<std::size_t>(pedigree.Size()), 0);
  const std::vector<int32_t> firstAncestors = AncestorsYoungestFirst(pedigree, first, sides, kFirstSide);
  const std::vector<int32_t> secondAncestors = AncestorsYoungestFirst(pedigree, second, sides, kSecondSide);
  const Arrivals firstArrivals = WalkSide(pedigree, first, second, firstAncestors, sides);
  const Arrivals secondArrivals = WalkSide(pedigree, second, first, secondAncestors, sides);
  WayCollector collector(pedigree);
  for (const auto& [top, firstSide] : firstArrivals) {
    const auto other = secondArrivals.find(top);
    if (other == secondArrivals.end()) continue;
    for (const Arrival& one : firstSide) {
      for (const Arrival& two : other->second) collector.Join(top, one, two);
    }
  }
  return collector.Ways();
}

}  // namespace quenor
