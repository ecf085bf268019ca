#include "ancestry/named_persons.h"

#include "ancestry/is_named.h"
#include "gedcom/gedcom_index.h"

namespace quenor {

NamedPersons::NamedPersons(const GedcomIndex& index)
    : index_(index), known_(static_cast<std::size_t>(index.FlatIndividualLimit()) + 1, kUnknown) {}

bool NamedPersons::Read(int32_t n) {
  const bool named = quenor::IsNamed(index_, n);
  Remember(n, named);
  return named;
}

void NamedPersons::Remember(int32_t n, bool named) {
  if (n < 0 || static_cast<std::size_t>(n) >= known_.size()) return;
  known_[static_cast<std::size_t>(n)] = named ? kNamed : kNotNamed;
}

}  // namespace quenor
