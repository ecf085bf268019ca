#include "bench/analysed_pedigree.h"

#include <cstdio>

#include "ancestry/ancestry_analysis.h"
#include "bench/gedgen/gedcom_writer.h"
#include "session/gedcom_opening.h"

namespace quenor::bench {

bool AnalysedPedigree::Prepare(const std::string& gedcomPath, int generations) {
  if (!gedgen::WriteCompletePedigree(gedcomPath, generations)) return false;
  if (LoadGedcomFile(session, gedcomPath) != LoadResult::Loaded) {
    std::fprintf(stderr, "%s\n", ui.lastMessage.c_str());
    return false;
  }
  session.selectionMode = 1;
  session.chosenLine = "      1";
  const bool analysed = AnalyseAncestry(session) == AncestryOutcome::Analysed;
  if (ui.messages > 0) std::fprintf(stderr, "%s\n", ui.lastMessage.c_str());
  return analysed;
}

}  // namespace quenor::bench
