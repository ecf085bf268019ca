#pragma once
// The statistics report Stat.TXT: completeness and implex per generation,
// totals, and the distribution of repeated appearances.
#include <string>

#include "ancestry/ancestry_figures.h"

namespace quenor {

struct ReportTitle {
  std::string probantName;  // format 0
  std::string runDate;      // "%04d-%02d-%02d"
};

// Writes the report at `path` (UTF-8); when no entry is named, only its title
// and headings. Returns false when the file cannot be written.
bool WriteStatisticsReport(const std::string& path, const ReportTitle& title, const AncestryFigures& figures);

}  // namespace quenor
