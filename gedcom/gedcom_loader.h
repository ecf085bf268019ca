#pragma once
// Loading a GEDCOM file into an index: check, read, convert, cut into
// records, index; a file whose numbers exceed the tables goes through the
// renumbering and its copy is loaded instead.
#include <cstddef>
#include <string>

#include "gedcom/sort_list.h"

namespace quenor {

class GedcomIndex;
class UserInterface;
class WorkerPool;
struct RenumberingState;

enum class LoadResult {
  Loaded,     // indexed and listed
  Refused,    // not loaded; the user was told why; the previous data is gone
  MustClose,  // the renumbering failed: the main window closes
};

// What a load gives back besides the index it filled.
struct GedcomLoad {
  LoadResult result = LoadResult::Refused;
  // The file whose text the index holds: the chosen one, or its renumbered
  // copy. Empty when no text was taken in.
  std::string textPath;
  std::string dataFolder;  // folder of the chosen file, Windows-1252, as report titles show it
  SortList list;           // every indexed individual, in file order, for the alphabetical list
  int skippedWithoutNumber = 0;  // records whose identifier holds no digit
  bool renumbered = false;       // the index holds the renumbered copy
};

// How a load cuts its work for the threads: the file is read in pieces of
// `read` bytes, and its records are converted and indexed in blocks of about
// `records` bytes, each starting with a record. The index, the messages and
// the reports are the same whatever the sizes and the threads.
struct LoadBlockSizes {
  std::size_t read = std::size_t{4} << 20;
  std::size_t records = std::size_t{1} << 20;
};

// Loads the file at `path` (UTF-8) into `index`, which is cleared first, on
// the threads of `workers`. The user is told of every refusal through `ui`,
// which also gets the caption and the status texts of the load, all from the
// calling thread. `renumbering` keeps the private folder of the renumbered
// copies from one load to the next.
GedcomLoad LoadGedcom(const std::string& path, UserInterface& ui, GedcomIndex& index,
                      RenumberingState& renumbering, WorkerPool& workers, const LoadBlockSizes& sizes = {});

// "%d enregistrement(s) dont l'identifiant ne porte aucun numéro ..." when
// `count` is not 0.
void TellSkippedRecords(UserInterface& ui, int count);

// "Pas assez de mémoire".
void TellOutOfMemory(UserInterface& ui);

}  // namespace quenor
