#pragma once
// What the chart benchmarks start from: a session whose probant, individual
// 1, has a complete pedigree of some generations, written by the generator,
// loaded and analysed; messages are counted, the last one kept.
#include <string>

#include "bench/bench_timing.h"
#include "platform/clock.h"
#include "session/session.h"

namespace quenor::bench {

struct AnalysedPedigree {
  explicit AnalysedPedigree(const std::string& folder) : session(ui, folder, clock) {}

  // Writes `gedcomPath`, loads it and analyses individual 1; false on failure.
  bool Prepare(const std::string& gedcomPath, int generations);

  QuietUi ui;
  FixedClock clock{CalendarDate{2024, 3, 15}};
  Session session;
};

}  // namespace quenor::bench
