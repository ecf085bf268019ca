#include "ancestry/is_named.h"

#include <algorithm>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"

namespace quenor {

bool IsNamed(const GedcomIndex& index, int32_t n) {
  const std::string name = PersonName(index, 1, n);
  return std::any_of(name.begin(), name.end(),
                     [](char c) { return IsAtOrAboveLetterA(static_cast<unsigned char>(c)); });
}

}  // namespace quenor
