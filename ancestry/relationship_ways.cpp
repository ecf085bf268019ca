#include "ancestry/relationship_ways.h"

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <unordered_map>

namespace quenor {
namespace {

// Lines by number of generations: counts[i] lines of first + i generations.
// Most persons are reached at a few lengths only, however far away: the
// counts start at the shortest.
struct Histogram {
  int first = 0;
  std::vector<uint64_t> counts;

  bool Empty() const { return counts.empty(); }
  uint64_t At(int generations) const {
    const int i = generations - first;
    return i >= 0 && i < static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(i)] : 0;
  }
  int End() const { return first + static_cast<int>(counts.size()); }
};

Histogram One() { return {0, {1}}; }

void AddInto(Histogram& into, const Histogram& more) {
  if (more.Empty()) return;
  if (into.Empty()) {
    into = more;
    return;
  }
  const int first = std::min(into.first, more.first);
  const int end = std::max(into.End(), more.End());
  if (first != into.first || end != into.End()) {
    std::vector<uint64_t> counts(static_cast<std::size_t>(end - first), 0);
    std::copy(into.counts.begin(), into.counts.end(), counts.begin() + (into.first - first));
    into = {first, std::move(counts)};
  }
  for (std::size_t i = 0; i < more.counts.size(); ++i) {
    uint64_t& count = into.counts[static_cast<std::size_t>(more.first - first) + i];
    LineCount sum{count};
    sum.Add(more.counts[i]);
    count = sum.value;
  }
}

// One generation more: the same lines seen from a parent.
Histogram OneGenerationUp(const Histogram& lines) { return {lines.first + 1, lines.counts}; }

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

// The ancestors of `start` with himself, in no particular order.
std::vector<int32_t> AncestorsOf(const Pedigree& pedigree, int32_t start, std::vector<uint8_t>& seen,
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
  return found;
}

constexpr uint8_t kFirstSide = 1;
constexpr uint8_t kSecondSide = 2;
constexpr uint8_t kBothSides = kFirstSide | kSecondSide;
constexpr uint8_t kLeadsToCommon = 4;  // a common ancestor, or one of his descendants

bool IsCommon(const std::vector<uint8_t>& sides, int32_t p) {
  return (sides[static_cast<std::size_t>(p)] & kBothSides) == kBothSides;
}

// Marks the persons of `ancestors` (oldest first) who are common ancestors
// or descend from one: the only ones whose lines count.
void MarkLeadsToCommon(const Pedigree& pedigree, const std::vector<int32_t>& ancestors, std::vector<uint8_t>& sides) {
  for (auto person = ancestors.rbegin(); person != ancestors.rend(); ++person) {
    uint8_t& mark = sides[static_cast<std::size_t>(*person)];
    bool leads = IsCommon(sides, *person);
    for (const int32_t parent : {pedigree.Father(*person), pedigree.Mother(*person)}) {
      if (parent != Pedigree::kNone && (sides[static_cast<std::size_t>(parent)] & kLeadsToCommon) != 0) leads = true;
    }
    if (leads) mark |= kLeadsToCommon;
  }
}

// Counts the lines from `start` up to every common ancestor, by the child
// of the common ancestor they come through. No line goes through `other`,
// the person at the end of the other side: a line that did would not be a
// line of its own.
Arrivals WalkSide(const Pedigree& pedigree, int32_t start, int32_t other, const std::vector<int32_t>& ancestors,
                  const std::vector<uint8_t>& sides) {
  auto common = [&](int32_t p) { return IsCommon(sides, p); };
  Arrivals arrivals;
  if (common(start)) arrivals[start].push_back({Pedigree::kNone, One(), One()});
  struct Lines {
    Histogram clean;
    Histogram all;
  };
  std::unordered_map<int32_t, Lines> lines{{start, {One(), One()}}};
  for (const int32_t person : ancestors) {
    const auto found = lines.find(person);
    if (found == lines.end()) continue;
    const Lines up{found->second.clean.Empty() ? Histogram{} : OneGenerationUp(found->second.clean),
                   OneGenerationUp(found->second.all)};
    lines.erase(found);
    if (person == other) continue;
    for (const int32_t parent : {pedigree.Father(person), pedigree.Mother(person)}) {
      if (parent == Pedigree::kNone || (sides[static_cast<std::size_t>(parent)] & kLeadsToCommon) == 0) continue;
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

// The pairs of lines of a and b generations, one from each arrival, of
// which one at least is clean: a clean line and any line of the other side
// share no one but the common ancestor.
uint64_t PairsOfLines(const Arrival& first, int a, const Arrival& second, int b) {
  const uint64_t firstClean = first.clean.At(a);
  const uint64_t secondClean = second.clean.At(b);
  LineCount pairs{LineCount::Product(firstClean, second.all.At(b))};
  pairs.Add(LineCount::Product(first.all.At(a) - firstClean, secondClean));
  return pairs.value;
}

// The places marked for `side`, youngest first: places grow from ancestors to
// descendants, so each person comes before his parents. A scan of the marks
// gives that order without sorting a million places.
std::vector<int32_t> YoungestFirst(const std::vector<uint8_t>& sides, uint8_t side, std::size_t count) {
  std::vector<int32_t> places;
  places.reserve(count);
  for (auto place = static_cast<int32_t>(sides.size()); place-- > 0;) {
    if ((sides[static_cast<std::size_t>(place)] & side) != 0) places.push_back(place);
  }
  return places;
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
    for (int a = first.all.first; a < first.all.End(); ++a) {
      if (first.all.At(a) == 0) continue;
      for (int b = second.all.first; b < second.all.End(); ++b) {
        const uint64_t lines = PairsOfLines(first, a, second, b);
        if (lines == 0) continue;
        const WayKind kind = descent ? WayKind::Descent
                             : full  ? WayKind::Full
                             : (a == 1 && b == 1) ? (byFather ? WayKind::HalfSameFather : WayKind::HalfSameMother)
                                                  : WayKind::Half;
        WayTally& tally = ways_[{a, b, kind}];
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
  std::vector<int32_t> firstAncestors = AncestorsOf(pedigree, first, sides, kFirstSide);
  std::vector<int32_t> secondAncestors = AncestorsOf(pedigree, second, sides, kSecondSide);
  const auto isCommon = [&](int32_t p) { return IsCommon(sides, p); };
  if (std::none_of(secondAncestors.begin(), secondAncestors.end(), isCommon)) return {};
  for (const auto& [ancestors, side] : {std::pair{&firstAncestors, kFirstSide}, std::pair{&secondAncestors, kSecondSide}}) {
    *ancestors = YoungestFirst(sides, side, ancestors->size());
    MarkLeadsToCommon(pedigree, *ancestors, sides);
  }
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
