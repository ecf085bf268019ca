#pragma once
// What the chart benchmarks start from: a session whose probant, individual
// 1, has a complete pedigree of some generations, written by the generator,
// loaded and analysed; messages go to standard error and are counted.
#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "platform/user_interface.h"
#include "session/session.h"

namespace quenor::bench {

class QuietUi : public UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon) override {
    std::fprintf(stderr, "%s : %s\n", caption.c_str(), text.c_str());
    ++messages;
  }
  void ShowStatus(const std::string&) override {}
  int messages = 0;
};

struct AnalysedPedigree {
  explicit AnalysedPedigree(const std::string& folder) : session(ui, folder, clock) {}

  // Writes `gedcomPath`, loads it and analyses individual 1; false on failure.
  bool Prepare(const std::string& gedcomPath, int generations);

  QuietUi ui;
  FixedClock clock{CalendarDate{2024, 3, 15}};
  Session session;
};

}  // namespace quenor::bench
