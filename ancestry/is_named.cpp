#include "ancestry/is_named.h"

#include <algorithm>
#include <string_view>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

constexpr std::size_t kSurnameFirstLimit = 40;  // the cut of the name, surname first

bool HoldsLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return IsAtOrAboveLetterA(static_cast<unsigned char>(c)); });
}

}  // namespace

bool IsNamed(const NameParts& parts) {
  // "surname, given" uncut: the letters are those of the two parts.
  if (parts.surname.size() + 2 + parts.given.size() <= kSurnameFirstLimit) {
    return HoldsLetter(parts.surname) || HoldsLetter(parts.given);
  }
  std::string name;
  AppendName(parts, 1, name);
  return HoldsLetter(name);
}

bool IsNamed(const GedcomIndex& index, int32_t n) {
  NameParts parts;
  return ReadNameParts(index, n, parts) && IsNamed(parts);
}

}  // namespace quenor
