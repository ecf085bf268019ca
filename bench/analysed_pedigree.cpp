#include "bench/analysed_pedigree.h"

#include "ancestry/ancestry_analysis.h"
#include "bench/gedgen/gedcom_writer.h"
#include "session/gedcom_opening.h"

namespace quenor::bench {

bool AnalysedPedigree::Prepare(const std::string& gedcomPath, int generations) {
  if (!gedgen::WriteCompletePedigree(gedcomPath, generations)) return false;
  if (LoadGedcomFile(session, gedcomPath) != LoadResult::Loaded) return false;
  session.selectionMode = 1;
  session.chosenLine = "      1";
  return AnalyseAncestry(session) == AncestryOutcome::Analysed;
}

}  // namespace quenor::bench
