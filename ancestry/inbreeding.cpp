#include "ancestry/inbreeding.h"

#include <algorithm>
#include <barrier>
#include <climits>
#include <cmath>
#include <functional>
#include <latch>
#include <memory>
#include <system_error>
#include <thread>

namespace quenor {
namespace {

// Below this many ordered persons one thread does it all.
constexpr int32_t kParallelFrom = 50'000;
// A level smaller than this is left to the first thread alone.
constexpr int32_t kSharedLevelFrom = 2'048;
constexpr unsigned kMaxThreads = 4;

}  // namespace

KinshipWork::KinshipWork(const Pedigree& pedigree)
    : pedigree_(pedigree),
      marks_(static_cast<std::size_t>(pedigree.Size())),
      sharesX_(static_cast<std::size_t>(pedigree.Size()), 0.0),
      sharesY_(static_cast<std::size_t>(pedigree.Size()), 0.0) {
  // Every list holds each person at most once: reserved once, never grown
  // (so that a computation on a worker thread never allocates).
  for (auto* list : {&ancestorsX_, &ancestorsY_, &common_, &stack_, &sorted_}) {
    list->reserve(static_cast<std::size_t>(pedigree.Size()));
  }
  perLevel_.reserve(static_cast<std::size_t>(pedigree.LevelCount()) + 1);
}

// The person `start` and all his ancestors, each marked with this epoch.
template <uint32_t KinshipWork::Marks::*mark>
void KinshipWork::Collect(int32_t start, std::vector<int32_t>& found) {
  found.clear();
  stack_.clear();
  marks_[static_cast<std::size_t>(start)].*mark = epoch_;
  stack_.push_back(start);
  while (!stack_.empty()) {
    const int32_t person = stack_.back();
    stack_.pop_back();
    found.push_back(person);
    const Pedigree::Parents& parents = pedigree_.ParentsOf(person);
    for (const int32_t parent : {parents.father, parents.mother}) {
      if (parent == Pedigree::kNone) continue;
      uint32_t& seen = marks_[static_cast<std::size_t>(parent)].*mark;
      if (seen == epoch_) continue;
      seen = epoch_;
      stack_.push_back(parent);
    }
  }
}

const std::vector<int32_t>& KinshipWork::CommonAncestors(int32_t x, int32_t y) {
  if (++epoch_ == 0) {
    std::fill(marks_.begin(), marks_.end(), Marks{});
    epoch_ = 1;
  }
  Collect<&Marks::x>(x, ancestorsX_);
  Collect<&Marks::y>(y, ancestorsY_);
  common_.clear();
  for (const int32_t person : ancestorsY_) {
    if (marks_[static_cast<std::size_t>(person)].x == epoch_) common_.push_back(person);
  }
  return common_;
}

// The ancestors of one person from the highest level down, counted out by
// level: a person's parents are at lower levels than his own, and the
// highest level, the person's, is no more than the number of his
// ancestors.
void KinshipWork::YoungestFirst(std::vector<int32_t>& ancestors) {
  int32_t lowest = INT32_MAX;
  int32_t highest = 0;
  for (const int32_t person : ancestors) {
    lowest = std::min(lowest, pedigree_.LevelOf(person));
    highest = std::max(highest, pedigree_.LevelOf(person));
  }
  perLevel_.assign(static_cast<std::size_t>(highest - lowest) + 2, 0);
  for (const int32_t person : ancestors) ++perLevel_[static_cast<std::size_t>(highest - pedigree_.LevelOf(person)) + 1];
  for (std::size_t l = 1; l < perLevel_.size(); ++l) perLevel_[l] += perLevel_[l - 1];
  sorted_.resize(ancestors.size());
  for (const int32_t person : ancestors) {
    sorted_[static_cast<std::size_t>(perLevel_[static_cast<std::size_t>(highest - pedigree_.LevelOf(person))]++)] = person;
  }
  ancestors.swap(sorted_);
}

// The share of each ancestor in `start`: the descendants pass half of their
// share to each parent, from the highest level down, so that a person has
// received from all his children before he passes it on.
void KinshipWork::Shares(int32_t start, const std::vector<int32_t>& ancestors, std::vector<double>& shares) {
  for (const int32_t person : ancestors) shares[static_cast<std::size_t>(person)] = 0.0;
  shares[static_cast<std::size_t>(start)] = 1.0;
  for (const int32_t person : ancestors) {
    const double half = 0.5 * shares[static_cast<std::size_t>(person)];
    const Pedigree::Parents& parents = pedigree_.ParentsOf(person);
    if (parents.father != Pedigree::kNone) shares[static_cast<std::size_t>(parents.father)] += half;
    if (parents.mother != Pedigree::kNone) shares[static_cast<std::size_t>(parents.mother)] += half;
  }
}

double KinshipWork::Dispersion(int32_t k, const std::vector<double>& inbreeding) const {
  const int32_t father = pedigree_.Father(k);
  const int32_t mother = pedigree_.Mother(k);
  const auto f = [&](int32_t p) { return inbreeding[static_cast<std::size_t>(p)]; };
  if (father != Pedigree::kNone && mother != Pedigree::kNone) return 0.5 - 0.25 * (f(father) + f(mother));
  if (father != Pedigree::kNone) return 0.75 - 0.25 * f(father);
  if (mother != Pedigree::kNone) return 0.75 - 0.25 * f(mother);
  return 1.0;
}

double KinshipWork::Kinship(int32_t x, int32_t y, const std::vector<double>& inbreeding) {
  if (CommonAncestors(x, y).empty()) return 0.0;
  YoungestFirst(ancestorsX_);
  Shares(x, ancestorsX_, sharesX_);
  YoungestFirst(ancestorsY_);
  Shares(y, ancestorsY_, sharesY_);
  double sum = 0.0;
  for (const int32_t k : common_) {
    sum += sharesX_[static_cast<std::size_t>(k)] * sharesY_[static_cast<std::size_t>(k)] * Dispersion(k, inbreeding);
  }
  return 0.5 * sum;
}

namespace {

// Parents of whom one is known to be no ancestor of the other and has no
// ancestor of his own: their children are not inbred, without a look at the
// ancestors of the other.
bool PlainlyUnrelated(const Pedigree& pedigree, int32_t father, int32_t mother) {
  return pedigree.FounderOfOneCouple(father) || pedigree.FounderOfOneCouple(mother);
}

// F of the places begin .. end-1 of one level, whose parents' levels are done.
// Full brothers and sisters follow one another in a level: their F is
// computed once.
void InbreedingOfRange(KinshipWork& work, const Pedigree& pedigree, int32_t begin, int32_t end,
                       std::vector<double>& inbreeding) {
  int32_t lastFather = Pedigree::kNone;
  int32_t lastMother = Pedigree::kNone;
  double last = 0.0;
  for (int32_t place = begin; place < end; ++place) {
    const int32_t father = pedigree.Father(place);
    const int32_t mother = pedigree.Mother(place);
    double f = 0.0;
    if (father != Pedigree::kNone && mother != Pedigree::kNone) {
      if (father != lastFather || mother != lastMother) {
        last = PlainlyUnrelated(pedigree, father, mother) ? 0.0 : work.Kinship(father, mother, inbreeding);
        lastFather = father;
        lastMother = mother;
      }
      f = last;
    }
    inbreeding[static_cast<std::size_t>(place)] = f;
  }
}

unsigned ThreadsFor(const Pedigree& pedigree, unsigned threads) {
  if (pedigree.OrderedCount() < kParallelFrom) return 1;
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  return std::min(threads, kMaxThreads);
}

}  // namespace

std::vector<double> InbreedingOfAll(const Pedigree& pedigree, unsigned threads) {
  std::vector<double> inbreeding(static_cast<std::size_t>(pedigree.Size()), kUndefinedInbreeding);
  const unsigned wanted = ThreadsFor(pedigree, threads);
  std::vector<std::unique_ptr<KinshipWork>> works;
  for (unsigned t = 0; t < wanted; ++t) works.push_back(std::make_unique<KinshipWork>(pedigree));

  // Thread t takes its share of every level, then waits for the others
  // before the next level, whose persons may need the F just computed. The
  // helpers start once it is known how many of them could be had.
  unsigned active = wanted;
  std::latch start(1);
  std::barrier levelDone(static_cast<std::ptrdiff_t>(wanted));
  auto run = [&](unsigned t) {
    start.wait();
    for (int level = 0; level < pedigree.LevelCount(); ++level) {
      const int32_t begin = pedigree.LevelStart(level);
      const int32_t size = pedigree.LevelStart(level + 1) - begin;
      const unsigned sharing = size < kSharedLevelFrom ? 1 : active;
      if (t < sharing) {
        const int32_t from = begin + static_cast<int32_t>(static_cast<int64_t>(size) * t / sharing);
        const int32_t to = begin + static_cast<int32_t>(static_cast<int64_t>(size) * (t + 1) / sharing);
        InbreedingOfRange(*works[t], pedigree, from, to, inbreeding);
      }
      if (active > 1) levelDone.arrive_and_wait();
    }
  };
  std::vector<std::jthread> helpers;
  for (unsigned t = 1; t < wanted; ++t) {
    try {
      helpers.emplace_back(run, t);
    } catch (const std::system_error&) {
      active = t;  // no more threads to be had: those running share the work
      break;
    }
  }
  for (unsigned missing = active; missing < wanted; ++missing) levelDone.arrive_and_drop();
  start.count_down();
  run(0);
  helpers.clear();
  return inbreeding;
}

InbreedingOnDemand::InbreedingOnDemand(const Pedigree& pedigree)
    : pedigree_(pedigree), work_(pedigree), inbreeding_(static_cast<std::size_t>(pedigree.Size()), kUndefinedInbreeding) {}

bool InbreedingOnDemand::NeedsOfPair(int32_t x, int32_t y) {
  bool ready = true;
  for (const int32_t k : work_.CommonAncestors(x, y)) {
    for (const int32_t parent : {pedigree_.Father(k), pedigree_.Mother(k)}) {
      if (parent == Pedigree::kNone || !std::isnan(inbreeding_[static_cast<std::size_t>(parent)])) continue;
      pending_.push_back(parent);
      ready = false;
    }
  }
  return ready;
}

double InbreedingOnDemand::Of(int32_t place) {
  if (!pedigree_.IsOrdered(place)) return kUndefinedInbreeding;
  pending_.push_back(place);
  // A person is taken off the list once the F he needs are known: those
  // found missing go on top and are done first.
  while (!pending_.empty()) {
    const int32_t person = pending_.back();
    double& f = inbreeding_[static_cast<std::size_t>(person)];
    if (!std::isnan(f)) {
      pending_.pop_back();
      continue;
    }
    const int32_t father = pedigree_.Father(person);
    const int32_t mother = pedigree_.Mother(person);
    if (father == Pedigree::kNone || mother == Pedigree::kNone || PlainlyUnrelated(pedigree_, father, mother)) {
      f = 0.0;
      pending_.pop_back();
      continue;
    }
    if (!NeedsOfPair(father, mother)) continue;
    f = work_.Kinship(father, mother, inbreeding_);
    pending_.pop_back();
  }
  return inbreeding_[static_cast<std::size_t>(place)];
}

double InbreedingOnDemand::KinshipOf(int32_t x, int32_t y) {
  if (!pedigree_.IsOrdered(x) || !pedigree_.IsOrdered(y)) return kUndefinedInbreeding;
  while (!NeedsOfPair(x, y)) {
    const std::vector<int32_t> needed = std::move(pending_);
    pending_.clear();
    for (const int32_t person : needed) Of(person);
  }
  return work_.Kinship(x, y, inbreeding_);
}

}  // namespace quenor
