#include "bench/generated_pedigree.h"

#include <cstdio>

#include "bench/gedgen/gedcom_writer.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace quenor::bench {

GeneratedPedigree WriteAndLoadPedigree(Session& session, const QuietUi& ui, const std::string& file, int generations,
                                       bool cousins, const char* program) {
  GeneratedPedigree pedigree;
  pedigree.generation = Time([&] {
    if (!gedgen::WriteCompletePedigree(file, generations, cousins)) {
      std::fprintf(stderr, "%s : écriture de %s impossible\n", program, file.c_str());
    }
  });
  LoadResult loaded = LoadResult::Refused;
  pedigree.load = Time([&] { loaded = LoadGedcomFile(session, file); });
  pedigree.loaded = loaded == LoadResult::Loaded;
  if (!pedigree.loaded) std::fprintf(stderr, "%s : chargement refusé (%s)\n", program, ui.lastMessage.c_str());
  return pedigree;
}

void PrintGoal(double goalSeconds, const std::vector<Span>& spans, unsigned threads) {
  const double median = MedianWall(spans);
  std::printf("  objectif %.1f s : %s (temps mural médian %.3f s, %u fils)\n", goalSeconds,
              median <= goalSeconds ? "atteint" : "NON atteint", median, threads);
}

}  // namespace quenor::bench
