#pragma once
// The alphabetical list LstGED.TXT of every indexed individual with its marriages.
#include <string>

#include "gedcom/sort_list.h"

namespace quenor {

class GedcomIndex;
class UserInterface;
class WorkerPool;

// "Liste alphabétique des ... du fichier <folder>", Windows-1252.
std::string AlphabeticalListTitle(int32_t individuals, int32_t families, const std::string& dataFolder);

// Sorts the list by name (the user's locale collation, case ignored) and
// writes the report at `path` (UTF-8) for the file of `dataFolder`, with its
// status texts, on the threads of `workers`; the list is released. Returns
// false (after telling the user) when the file cannot be written.
bool WriteAlphabeticalList(const std::string& path, const GedcomIndex& index, const std::string& dataFolder,
                           SortList& list, UserInterface& ui, WorkerPool& workers);

}  // namespace quenor
