#pragma once
// What the benchmark programs share: wall and processor times of a piece of
// work, their minimum and median, and a user interface that keeps quiet.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace quenor::bench {

inline double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Wall and processor seconds of one piece of work.
struct Span {
  double wall = 0;
  double processor = 0;
};

template <typename Work>
Span Time(Work&& work) {
  const auto wallStart = std::chrono::steady_clock::now();
  const double processorStart = ProcessorSeconds();
  work();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count(),
          ProcessorSeconds() - processorStart};
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

inline double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// Keeps the last message and counts them; the status bar goes nowhere.
class QuietUi : public UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon) override {
    lastMessage = caption + " : " + text;
    ++messages;
  }
  void ShowStatus(const std::string&) override {}
  std::string lastMessage;
  int messages = 0;
};

}  // namespace quenor::bench
