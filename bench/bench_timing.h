#pragma once
// What the benchmarks share: instants with wall time, processor time and the
// memory high-water mark; spans between them; medians; a user interface that
// keeps quiet.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace quenor::bench {

using Clock = std::chrono::steady_clock;

// Processor time of the process (all threads): on a machine shared with other
// work the wall time grows with the load, the processor time does not.
double ProcessorSeconds();

// The high-water mark of the resident memory so far, in kB (Linux).
long MemoryHighWaterKilobytes();

struct Instant {
  Clock::time_point wall;
  double processor = 0;
  long memoryHighWater = 0;  // kB
  static Instant Now() { return {Clock::now(), ProcessorSeconds(), MemoryHighWaterKilobytes()}; }
};

// Wall and processor seconds between two instants.
struct Span {
  double wall = 0;
  double processor = 0;
};

Span Between(const Instant& from, const Instant& to);

template <typename Work>
Span Time(Work&& work) {
  const Instant start = Instant::Now();
  work();
  return Between(start, Instant::Now());
}

// The median of at least one value (the mean of the two middle ones for an
// even count), and the least.
double Median(std::vector<double> values);
double Minimum(const std::vector<double>& values);
double MedianWall(const std::vector<Span>& spans);
double MedianProcessor(const std::vector<Span>& spans);

// "  <label> murale méd. ... min ... | processeur méd. ... min ..."
void PrintSummary(const char* label, const std::vector<Span>& spans);

// The size of a file in bytes, 0 when it cannot be told.
std::uintmax_t FileBytes(const std::string& path);

// A new folder under the temporary folder, named from `prefix`; empty (after
// saying why) when it cannot be made.
std::string MakeScratchFolder(const std::string& prefix);

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
