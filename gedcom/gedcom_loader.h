#pragma once
// Loading a GEDCOM file: check, read, convert, cut into records, index, and
// the alphabetical list at the end.
#include <string>

namespace quenor {

class Session;

enum class LoadResult {
  Loaded,     // indexed and listed
  Refused,    // not loaded; the user was told why; the previous data is gone
  MustClose,  // the renumbering failed: the main window closes
};

// Everything "&Ouvrir un fichier GEDCom" does once the file is chosen
// (`path` is a UTF-8 file system path). When a renumbered copy is pending,
// the caller passes its path.
LoadResult LoadGedcomFile(Session& session, const std::string& path);


}  // namespace quenor
