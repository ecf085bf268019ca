#pragma once
// What the person selection dialog shows of the person chosen, so that the
// user can make sure of the right one: name, birth, death, parents, spouses
// and children, read from the records.
#include <cstdint>
#include <string>
#include <vector>

#include "gedcom/gedcom_index.h"

namespace quenor {

struct PersonSummary {
  std::string number;    // the individual number in decimal
  std::string name;      // format 0
  std::string birth;     // "%15s %s" of date and place, empty without the event
  std::string death;     // likewise
  std::string parents;   // "%s et %s", the one parent known, or empty
  std::string spouses;   // "(1) X, (2) Y" (the prefixes only with several families)
  std::vector<std::string> children;  // "(1) Z" likewise
};

// The summary of individual n; all empty when n is 0.
PersonSummary SummarizePerson(const GedcomIndex& index, int32_t n);

}  // namespace quenor
