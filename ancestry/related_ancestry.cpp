#include "ancestry/related_ancestry.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "gedcom/gedcom_index.h"

namespace quenor {
namespace {

constexpr int32_t kNone = -1;

// The ancestry as a walk up the lines meets it: each person gets the next
// number, his parents are asked once, and the children through which each
// person was reached are counted (up to two).
class AncestorWalk {
 public:
  AncestorWalk(const GedcomIndex& index, std::span<const int32_t> persons, int32_t limit)
      : limit_(limit), numberOf_(static_cast<int32_t*>(std::calloc(static_cast<std::size_t>(limit), sizeof(int32_t)))) {
    if (!numberOf_) throw std::bad_alloc();
    for (const int32_t n : persons) {
      if (n < limit_ && IsKnownPerson(index, n)) state_[static_cast<std::size_t>(Meet(n))] = kKept;
    }
    for (std::size_t i = 0; i < individuals_.size(); ++i) {
      const Pedigree::Links known = KnownParents(index, individuals_[i]);
      const Parents parents{MeetParent(known.father), MeetParent(known.mother)};
      parents_.push_back(parents);
    }
  }

  // The persons kept, in the order met, with their parents when kept too.
  std::vector<Pedigree::Links> Kept() {
    for (auto number = static_cast<int32_t>(individuals_.size()); number-- > 0;) Resolve(number);
    std::vector<Pedigree::Links> kept;
    for (std::size_t i = 0; i < individuals_.size(); ++i) {
      if (state_[i] != kKept) continue;
      kept.push_back({individuals_[i], KeptIndividual(parents_[i].father), KeptIndividual(parents_[i].mother)});
    }
    return kept;
  }

 private:
  struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
  };
  struct Parents {
    int32_t father = kNone;
    int32_t mother = kNone;
  };
  // Until resolved, a person's state counts the children he was reached by.
  enum : uint8_t { kNoChild = 0, kOneChild = 1, kKept = 2, kInProgress = 3, kLeftOut = 4 };

  int32_t Meet(int32_t n) {
    int32_t& slot = numberOf_[n];
    if (slot == 0) {
      individuals_.push_back(n);
      state_.push_back(kNoChild);
      slot = static_cast<int32_t>(individuals_.size());
    }
    return slot - 1;
  }

  // A parent of the person being asked: one child more for him.
  int32_t MeetParent(int32_t n) {
    if (n == 0 || n >= limit_) return kNone;
    const int32_t number = Meet(n);
    uint8_t& state = state_[static_cast<std::size_t>(number)];
    if (state == kNoChild) {
      state = kOneChild;
    } else if (state == kOneChild) {
      state = kKept;  // reached by two children
    }
    return number;
  }

  int32_t KeptIndividual(int32_t number) const {
    return number != kNone && state_[static_cast<std::size_t>(number)] == kKept ? individuals_[static_cast<std::size_t>(number)] : 0;
  }

  // Kept or left out, from the parents down. Every loop holds a person given
  // or a person reached by two children (the one where the walk entered it),
  // kept from the start, so a walk around a loop settles there; a parent
  // still in progress would be on a loop all the same, and is kept.
  void Resolve(int32_t start) {
    if (Settled(start)) return;
    stack_.assign(1, {start, 0});
    state_[static_cast<std::size_t>(start)] = kInProgress;
    while (!stack_.empty()) {
      Frame& frame = stack_.back();
      if (frame.nextParent < 2) {
        const Parents& parents = parents_[static_cast<std::size_t>(frame.number)];
        const int32_t parent = frame.nextParent++ == 0 ? parents.father : parents.mother;
        if (parent == kNone) continue;
        const uint8_t state = state_[static_cast<std::size_t>(parent)];
        if (state == kKept || state == kInProgress) {
          Finish(kKept);
        } else if (state != kLeftOut) {
          state_[static_cast<std::size_t>(parent)] = kInProgress;
          stack_.push_back({parent, 0});
        }
        continue;
      }
      Finish(kLeftOut);
    }
  }

  // The person on top of the stack is settled; a person kept keeps every
  // descendant waiting below him on the stack.
  void Finish(uint8_t result) {
    state_[static_cast<std::size_t>(stack_.back().number)] = result;
    stack_.pop_back();
    if (result != kKept) return;
    for (const Frame& waiting : stack_) state_[static_cast<std::size_t>(waiting.number)] = kKept;
    stack_.clear();
  }

  bool Settled(int32_t number) const {
    const uint8_t state = state_[static_cast<std::size_t>(number)];
    return state == kKept || state == kLeftOut;
  }

  struct Frame {
    int32_t number;
    int nextParent;
  };

  const int32_t limit_;
  std::unique_ptr<int32_t[], FreeDeleter> numberOf_;  // number + 1 by individual number, 0: not met
  std::vector<int32_t> individuals_;                  // by number
  std::vector<Parents> parents_;                      // by number
  std::vector<uint8_t> state_;                        // by number
  std::vector<Frame> stack_;
};

}  // namespace

Pedigree RelatedAncestry(const GedcomIndex& index, std::span<const int32_t> persons) {
  const int32_t limit = std::min(index.HighestIndividual(), GedcomIndex::kMaxIndividual) + 1;
  std::vector<Pedigree::Links> kept;
  {
    AncestorWalk walk(index, persons, limit);
    kept = walk.Kept();
  }
  return Pedigree::OfPersons(limit, kept);
}

}  // namespace quenor
