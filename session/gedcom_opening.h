#pragma once
// Opening a GEDCOM file in the session: the load of the file into the
// session's index, then the alphabetical list, the report flags and the
// menus that follow it.
#include <string>

#include "gedcom/gedcom_loader.h"

namespace quenor {

class Session;

// Everything "&Ouvrir un fichier GEDCom" does once the file is chosen
// (`path` is a UTF-8 file system path). When a renumbered copy is pending,
// the caller passes its path.
LoadResult LoadGedcomFile(Session& session, const std::string& path);

}  // namespace quenor
