#pragma once
// The list of repeated ancestors LstRep.TXT.
#include <string>

#include "ancestry/ancestry_figures.h"
#include "ancestry/statistics_report.h"

namespace quenor {

class GedcomIndex;

// Writes the persons appearing more than once, most repeated first, with
// their parents and their count of appearances. Returns false when the file
// cannot be written.
bool WriteRepeatedAncestorsReport(const std::string& path, const GedcomIndex& index, const ReportTitle& title,
                                  const AncestryFigures& figures);

}  // namespace quenor
