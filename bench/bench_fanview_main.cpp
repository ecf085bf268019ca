// quenor-bench-fanview: times the repaints of the interactive fan chart of a
// probant whose pedigree is complete over 12 generations (4,094 boxes, every
// one filled), in a window of 1400 x 900 pixels: the whole chart fitted to
// the window, then zoomed in step by step about several points and moved by
// dragging, with and without colours and marks. Each repaint draws the
// whole window into the image the window shows, as the window does.
//   quenor-bench-fanview [REPAINTS]
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <time.h>

#include "bench/analysed_pedigree.h"
#include "fanchart/fan_highlights.h"
#include "fanchart/fan_view.h"
#include "fanchart/window/fan_view_renderer.h"


namespace {

constexpr int kGenerations = 12;
constexpr int kWidth = 1400;
constexpr int kHeight = 900;
constexpr double kGoalMs = 30.0;

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of this thread, milliseconds: the machine may be shared.
double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quenor-bench-fanview";
  std::filesystem::create_directories(scratch);
  quenor::bench::AnalysedPedigree pedigree(scratch.string());
  if (!pedigree.Prepare((scratch / "pedigree12.ged").string(), kGenerations)) return 1;
  quenor::Session& session = pedigree.session;

  const auto loadStart = std::chrono::steady_clock::now();
  const quenor::FanViewContent content = quenor::LoadFanViewContent(session, kGenerations);
  const double loadMs = Milliseconds(std::chrono::steady_clock::now() - loadStart);
  quenor::FanLayout layout = quenor::FanViewLayout(kGenerations, "Ancêtres du probant");
  quenor::FanViewRenderer renderer;
  const quenor::FanViewport fit = quenor::FitFanView(kGenerations, kWidth, kHeight);

  const auto firstStart = std::chrono::steady_clock::now();
  renderer.Render(layout, fit, content, {});
  const double firstMs = Milliseconds(std::chrono::steady_clock::now() - firstStart);

  // The repaints a user makes: zooming in about a point of the outer rings
  // and moving along them, `repaints` of each.
  struct Scenario {
    const char* name;
    double zoom;  // times the fitting zoom
    double px, py;
    bool marks;
  };
  const Scenario scenarios[] = {
      {"whole chart fitted", 1.0, kWidth / 2.0, kHeight / 2.0, false},
      {"zoom x2 on the outer rings", 2.0, kWidth * 0.2, kHeight * 0.3, false},
      {"zoom x4", 4.0, kWidth * 0.2, kHeight * 0.3, false},
      {"zoom x16 (generation 12 readable)", 16.0, kWidth * 0.2, kHeight * 0.3, false},
      {"zoom x64", 64.0, kWidth * 0.2, kHeight * 0.3, false},
      {"whole chart, lineage colours and repeated marks", 1.0, kWidth / 2.0, kHeight / 2.0, true},
      {"zoom x4, colours and marks", 4.0, kWidth * 0.2, kHeight * 0.3, true},
  };
  std::vector<quenor::FanFill> marks = quenor::ColouringFills(quenor::FanColouring::Lineage, content.occupants, kGenerations);
  const std::vector<quenor::FanFill> repeated = quenor::RepeatedAncestorFills(content.occupants, kGenerations);
  marks.insert(marks.end(), repeated.begin(), repeated.end());

  std::printf("interactive fan chart of %d generations, complete pedigree (4 094 boxes), window %dx%d\n",
              kGenerations, kWidth, kHeight);
  std::printf("  content read once (list, places, statistics)  %7.2f ms\n", loadMs);
  std::printf("  first repaint (fonts made, texts shaped)      %7.2f ms\n", firstMs);
  std::printf("  %-48s %-24s %s\n", "", "while moving (wall, cpu)", "at rest (wall, cpu)");
  bool met = true;
  for (const Scenario& scenario : scenarios) {
    std::printf("  %-48s", scenario.name);
    for (quenor::FanViewRenderer::Detail detail :
         {quenor::FanViewRenderer::Detail::Moving, quenor::FanViewRenderer::Detail::Full}) {
      quenor::FanViewport view = quenor::ZoomFanView(fit, kGenerations, scenario.zoom, scenario.px, scenario.py);
      std::vector<double> wall, cpu;
      for (int i = 0; i < repaints; ++i) {
        // Every other repaint follows a drag of 7 pixels, the others a wheel step.
        view = i % 2 == 0 ? quenor::PanFanView(view, 7.0, 3.0)
                          : quenor::ZoomFanView(view, kGenerations, i % 4 == 1 ? 1.06 : 1.0 / 1.06, scenario.px,
                                                scenario.py);
        const double cpuStart = ThreadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        renderer.Render(layout, view, content, scenario.marks ? marks : std::vector<quenor::FanFill>{}, detail);
        wall.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        cpu.push_back(ThreadMilliseconds() - cpuStart);
      }
      if (detail == quenor::FanViewRenderer::Detail::Moving) met = met && Median(wall) <= kGoalMs;
      std::printf("  %6.2f  %6.2f ms      ", Median(wall), Median(cpu));
    }
    std::printf("\n");
  }
  std::filesystem::remove_all(scratch);
  std::printf("goal: a repaint while zooming or moving in at most %.0f ms (median wall time): %s\n", kGoalMs,
              met ? "met" : "MISSED");
  return met ? 0 : 1;
}
