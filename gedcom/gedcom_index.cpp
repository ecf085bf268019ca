#include "gedcom/gedcom_index.h"

#include <algorithm>
#include <new>

namespace quenor {

GedcomIndex::GedcomIndex()
    : individuals_(static_cast<IndividualEntry*>(std::calloc(kMaxIndividual + 1, sizeof(IndividualEntry)))),
      families_(static_cast<FamilyEntry*>(std::calloc(kMaxFamily + 1, sizeof(FamilyEntry)))) {
  if (!individuals_ || !families_) throw std::bad_alloc();
}

IndividualEntry GedcomIndex::Individual(int32_t n) const {
  if (n < 0 || n > kMaxIndividual) return {};
  return individuals_[n];
}

FamilyEntry GedcomIndex::Family(int32_t f) const {
  if (f < 0 || f > kMaxFamily) return {};
  return families_[f];
}

void GedcomIndex::AdoptText(std::unique_ptr<char[]> text, std::size_t length) {
  text_ = std::move(text);
  textLength_ = length;
}

void GedcomIndex::Clear() {
  text_.reset();
  textLength_ = 0;
  std::fill_n(individuals_.get(), static_cast<std::size_t>(highestIndividualTouched_) + 1, IndividualEntry{});
  std::fill_n(families_.get(), static_cast<std::size_t>(highestFamilyTouched_) + 1, FamilyEntry{});
  highestIndividualTouched_ = 0;
  highestFamilyTouched_ = 0;
  individualCount_ = 0;
  familyCount_ = 0;
}

void GedcomIndex::SetIndividual(int32_t n, int32_t recordOffset, int32_t parentFamily) {
  if (n < 0 || n > kMaxIndividual) return;
  individuals_[n] = IndividualEntry{recordOffset, parentFamily};
  if (n > highestIndividualTouched_) highestIndividualTouched_ = n;
  if (n > highestIndividual_) highestIndividual_ = n;
  ++individualCount_;
}

void GedcomIndex::SetFamily(int32_t f, int32_t recordOffset) {
  if (f < 0 || f > kMaxFamily) return;
  families_[f] = FamilyEntry{recordOffset};
  if (f > highestFamilyTouched_) highestFamilyTouched_ = f;
  ++familyCount_;
}

}  // namespace quenor
