#pragma once
// The descent organigram: laid out as a tree, written to OrgDesc.TXT and
// shown in the organigram window.
#include <cstdint>
#include <string>
#include <vector>

#include "ancestry/ancestor_table.h"
#include "kinship/organigram_layout.h"

namespace quenor {

class GedcomIndex;
class Session;

struct OrganigramDrawing {
  OrganigramLayout layout;
  std::vector<std::string> lines;  // the lines of OrgDesc.TXT, without line ends
};

// Lays out every line of descent from `ancestor` in `table` (the descendant's
// ancestor table, filled up to `last`).
OrganigramDrawing DrawOrganigram(const GedcomIndex& index, const AncestorTable& table, int32_t last,
                                 int32_t ancestor);

// Draws the organigram, writes OrgDesc.TXT, keeps its layout in
// session.kinship.organigram and shows the organigram window. False when the
// file cannot be written.
bool ReportOrganigram(Session& session, int32_t ancestor, const AncestorTable& table, int32_t last);

}  // namespace quenor
