#include "ancestry/named_persons.h"

#include "ancestry/is_named.h"
#include "gedcom/gedcom_index.h"

namespace quenor {

NamedPersons::NamedPersons(const GedcomIndex& index)
    : index_(index), known_(static_cast<std::size_t>(index.HighestIndividual()) + 1, kUnknown) {}

bool NamedPersons::IsNamed(int32_t n) {
  if (n < 0 || static_cast<std::size_t>(n) >= known_.size()) return quenor::IsNamed(index_, n);
  uint8_t& known = known_[static_cast<std::size_t>(n)];
  if (known == kUnknown) known = quenor::IsNamed(index_, n) ? kNamed : kNotNamed;
  return known == kNamed;
}

void NamedPersons::Remember(int32_t n, bool named) {
  if (n < 0 || static_cast<std::size_t>(n) >= known_.size()) return;
  known_[static_cast<std::size_t>(n)] = named ? kNamed : kNotNamed;
}

}  // namespace quenor
