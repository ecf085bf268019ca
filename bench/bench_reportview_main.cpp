// quenor-bench-reportview: times the report viewer on a list of about
// 100 MB, as large as a million persons make it: the file read and shown
// from its first line, then 200 repaints, each a few thousand lines further.
//   quenor-bench-reportview [RUNS]
#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "platform/large_page_blocks.h"
#include "shell/report_viewer.h"

namespace {

constexpr double kShowGoalSeconds = 1.0;
constexpr double kScrollGoalSeconds = 2.0;  // the 200 repaints
constexpr int kScrolls = 200;

// Lines as long as those of the alphabetical list, about 100 MB of them.
bool WriteReport(const std::filesystem::path& path) {
  std::string block;
  char line[128];
  for (int i = 1; i <= 1000; ++i) {
    std::snprintf(line, sizeof line, "%7d  Personne num\xe9ro %-30d 12 f\xe9v 1850 Qu\xe9" "bec\r\n", i, i);
    block += line;
  }
  std::ofstream file(path, std::ios::binary);
  for (std::size_t written = 0; written < (100u << 20); written += block.size()) file << block;
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quenor-bench-reportview";
  std::filesystem::create_directories(scratch);
  const std::filesystem::path report = scratch / "LstGED.TXT";
  if (!WriteReport(report)) return 1;

  std::vector<double> showWall, showCpu, scrollWall, scrollCpu;
  for (int run = 0; run < runs; ++run) {
    quenor::ReportViewer viewer;
    viewer.resize(1000, 700);
    viewer.show();
    const quenor::bench::Span shown = quenor::bench::Time([&] {
      viewer.SetText(quenor::ReadReportFile(report.string()));
      viewer.viewport()->grab();
    });
    QScrollBar& bar = *viewer.verticalScrollBar();
    const quenor::bench::Span scrolled = quenor::bench::Time([&] {
      for (int step = 0; step < kScrolls; ++step) {
        bar.setValue(bar.value() + 5000);
        viewer.viewport()->grab();  // paints the lines in view
      }
    });
    showWall.push_back(shown.wall);
    showCpu.push_back(shown.processor);
    scrollWall.push_back(scrolled.wall);
    scrollCpu.push_back(scrolled.processor);
  }
  std::filesystem::remove_all(scratch);

  using quenor::bench::Median;
  using quenor::bench::Minimum;
  std::printf("report viewer, a list of %ju bytes, %d runs (minimum, median)\n",
              static_cast<std::uintmax_t>(100u << 20), runs);
  std::printf("  read and shown          wall %6.3f %6.3f s  processor %6.3f %6.3f s  (goal %.1f s)\n",
              Minimum(showWall), Median(showWall), Minimum(showCpu), Median(showCpu), kShowGoalSeconds);
  std::printf("  %d scrolled repaints   wall %6.3f %6.3f s  processor %6.3f %6.3f s  (goal %.1f s)\n", kScrolls,
              Minimum(scrollWall), Median(scrollWall), Minimum(scrollCpu), Median(scrollCpu), kScrollGoalSeconds);
  const bool met = Median(showWall) <= kShowGoalSeconds && Median(scrollWall) <= kScrollGoalSeconds;
  std::printf("%s\n", met ? "goals met" : "GOALS MISSED");
  return met ? 0 : 1;
}
