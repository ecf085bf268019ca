#pragma once
// Renumbering of a GEDCOM file whose record numbers exceed the index
// capacity: a copy numbered again from 1 is written into a private temporary
// folder and loaded in place of the chosen file, which is never written.
#include <cstdint>
#include <string>
#include <string_view>

#include "gedcom/gedcom_loader.h"

namespace quenor {

class UserInterface;

struct RenumberingState {
  bool pending = false;       // a renumbered copy is waiting to be loaded
  bool done = false;          // the last load went through a renumbering
  std::string copyPath;       // ".../GEDCOM renuméroté"
  std::string originalPath;   // the file the user chose
  std::string privateFolder;  // created for this run, mode 0700
};

// What a renumbering found: the highest old numbers that received a new
// number, and how many individual and family records were numbered.
struct RenumberingSummary {
  int32_t highestOldIndividual = 0;
  int32_t individuals = 0;
  int32_t highestOldFamily = 0;
  int32_t families = 0;
};

// The file text with its individuals and families numbered again from 1 in
// file order, every pointer following. Lines are rewritten only where their
// first "@" starts an identifier; every other byte, line ends included, is
// copied as it is.
std::string RenumberGedcomText(std::string_view text, RenumberingSummary& summary);

// The renumbered copy of a chosen file, ready to be loaded in its place.
struct RenumberedCopy {
  std::string path;                      // empty when no copy was made
  LoadResult failure = LoadResult::Refused;  // why not, when `path` is empty
};

// Called by the load when its indexing pass meets a number too large: writes
// the copy into the private folder of the run (made at the first
// renumbering) with the status texts of the renumbering, and records it in
// `state`. The user is told of every failure.
RenumberedCopy MakeRenumberedCopy(const std::string& chosenPath, UserInterface& ui, RenumberingState& state);

// "Le nombre d'individus dépasse la capacité de 10000000. ..." (or the family
// form), shown when a file cannot fit the tables even after renumbering.
void ShowCapacityMessage(UserInterface& ui, bool individuals);

}  // namespace quenor
