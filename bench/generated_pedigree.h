#pragma once
// The start the analysis and search benchmarks share: a complete pedigree
// written by the generator, then loaded into the session as the program opens
// a file, each step timed.
#include <string>

#include "bench/bench_timing.h"

namespace quenor {
class Session;
}

namespace quenor::bench {

struct GeneratedPedigree {
  Span generation;
  Span load;
  bool loaded = false;
};

// Writes `file` with `generations` complete generations (two cousins sharing
// one couple at the top when `cousins`), then loads it; a failure is told on
// the error output under the name of `program`.
GeneratedPedigree WriteAndLoadPedigree(Session& session, const QuietUi& ui, const std::string& file, int generations,
                                       bool cousins, const char* program);

// The closing line of a benchmark: its goal, met or not, by the median wall time.
void PrintGoal(double goalSeconds, const std::vector<Span>& spans, unsigned threads);

}  // namespace quenor::bench
