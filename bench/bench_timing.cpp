#include "bench/bench_timing.h"

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace quenor::bench {

double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long MemoryHighWaterKilobytes() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return 0;
  char line[256];
  long kilobytes = 0;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
  }
  std::fclose(status);
  return kilobytes;
}

Span Between(const Instant& from, const Instant& to) {
  return {std::chrono::duration<double>(to.wall - from.wall).count(), to.processor - from.processor};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

namespace {

std::vector<double> Walls(const std::vector<Span>& spans) {
  std::vector<double> walls;
  for (const Span& span : spans) walls.push_back(span.wall);
  return walls;
}

std::vector<double> Processors(const std::vector<Span>& spans) {
  std::vector<double> processors;
  for (const Span& span : spans) processors.push_back(span.processor);
  return processors;
}

}  // namespace

double MedianWall(const std::vector<Span>& spans) { return Median(Walls(spans)); }
double MedianProcessor(const std::vector<Span>& spans) { return Median(Processors(spans)); }

void PrintSummary(const char* label, const std::vector<Span>& spans) {
  if (spans.empty()) return;
  std::printf("  %s murale méd. %7.3f s min %7.3f s | processeur méd. %7.3f s min %7.3f s\n", label,
              MedianWall(spans), Minimum(Walls(spans)), MedianProcessor(spans), Minimum(Processors(spans)));
}

std::uintmax_t FileBytes(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

std::string MakeScratchFolder(const std::string& prefix) {
  std::string folder = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(folder.data()) == nullptr) {
    std::perror(("mkdtemp " + folder).c_str());
    return {};
  }
  return folder;
}

}  // namespace quenor::bench
