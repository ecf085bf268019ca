#pragma once
// Renumbering of a GEDCOM file whose record numbers exceed the index
// capacity: a copy numbered again from 1 is written into a private temporary
// folder and loaded in place of the chosen file, which is never written.
#include <cstdint>
#include <string>
#include <string_view>

#include "gedcom/gedcom_loader.h"

namespace quenor {

class Session;

struct RenumberingState {
  bool pending = false;       // a renumbered copy is waiting to be loaded
  bool done = false;          // one renumbering already happened in this load
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

// Called by the load when its indexing pass meets a number too large.
LoadResult RenumberAndReload(Session& session, const std::string& chosenPath);

// "Le nombre d'individus dépasse la capacité de 10000000. ..." (or the family
// form), shown when a file cannot fit the tables even after renumbering.
void ShowCapacityMessage(Session& session, bool individuals);

}  // namespace quenor
