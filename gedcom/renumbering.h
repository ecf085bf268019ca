#pragma once
// Renumbering of a GEDCOM file whose record numbers exceed the index
// capacity: a copy numbered again from 1 is written into a private temporary
// folder and loaded in place of the chosen file.
#include <string>

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

// Called by the load when its indexing pass meets a number too large.
LoadResult RenumberAndReload(Session& session, const std::string& chosenPath);

}  // namespace quenor

namespace quenor {

// "Le nombre d'individus dépasse la capacité de 10000000. ..." (or the family
// form), shown when a file cannot fit the tables even after renumbering.
void ShowCapacityMessage(Session& session, bool individuals);

}  // namespace quenor
