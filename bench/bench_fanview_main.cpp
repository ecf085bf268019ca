// quenor-bench-fanview: times the repaints of the interactive fan chart of a
// probant whose pedigree is complete over 12 generations (4,094 boxes, every
// one filled), in a window of 1400 x 900 pixels: the whole chart fitted to
// the window, then zoomed in step by step about several points and moved by
// dragging, with and without colours and marks.
// First the drawing alone, in either detail, as the window draws it into
// its image; then the window itself: its repaints while it moves, its
// repaints once it rests, and how long after the last move the picture in
// full detail, drawn on the window's drawing thread, is shown.
//   quenor-bench-fanview [REPAINTS]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <time.h>

#include "bench/analysed_pedigree.h"
#include "bench/bench_timing.h"
#include "fanchart/fan_highlights.h"
#include "fanchart/fan_view.h"
#include "fanchart/window/fan_explorer.h"
#include "fanchart/window/fan_view_renderer.h"
#include "platform/large_page_blocks.h"


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

using quenor::bench::Median;

// The repaints a user makes: zooming in about a point of the outer rings
// and moving along them.
struct Scenario {
  const char* name;
  double zoom;  // times the fitting zoom
  double px, py;
  bool marks;
};
const Scenario kScenarios[] = {
    {"whole chart fitted", 1.0, kWidth / 2.0, kHeight / 2.0, false},
    {"zoom x2 on the outer rings", 2.0, kWidth * 0.2, kHeight * 0.3, false},
    {"zoom x4", 4.0, kWidth * 0.2, kHeight * 0.3, false},
    {"zoom x16 (generation 12 readable)", 16.0, kWidth * 0.2, kHeight * 0.3, false},
    {"zoom x64", 64.0, kWidth * 0.2, kHeight * 0.3, false},
    {"whole chart, lineage colours and repeated marks", 1.0, kWidth / 2.0, kHeight / 2.0, true},
    {"zoom x4, colours and marks", 4.0, kWidth * 0.2, kHeight * 0.3, true},
};

// Every other move is a drag of 7 pixels, the others a wheel step.
template <typename Pan, typename Zoom>
void Move(int i, Pan pan, Zoom zoom) {
  if (i % 2 == 0) {
    pan(7.0, 3.0);
  } else {
    zoom(i % 4 == 1 ? 1.06 : 1.0 / 1.06);
  }
}

// The window's repaints, through its paint event, at each scenario; its
// pictures drawn on its own thread.
bool TimeTheWindow(const quenor::FanLayout& layout, const quenor::FanViewContent& content, int repaints) {
  quenor::FanExplorer explorer;
  explorer.resize(kWidth, kHeight);
  explorer.SetChart(layout, content);
  explorer.show();
  // The milliseconds until the window shows the picture of the view.
  const auto waitFor = [&](auto shown) {
    const auto start = std::chrono::steady_clock::now();
    while (!shown()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return Milliseconds(std::chrono::steady_clock::now() - start);
  };
  const auto current = [&] { return explorer.ShowsCurrentPicture(); };
  const auto full = [&] { return explorer.ShowsFullPicture(); };
  waitFor(full);
  std::printf("the window, %dx%d (its paint events; its pictures drawn on its own thread, shown after)\n",
              explorer.width(), explorer.height());
  std::printf("  %-48s %-18s %-10s %-18s %s\n", "", "paint moving", "quick", "paint at rest", "full");
  bool met = true;
  const int rests = std::max(3, repaints / 8);
  for (const Scenario& scenario : kScenarios) {
    explorer.SetColouring(scenario.marks ? quenor::FanColouring::Lineage : quenor::FanColouring::None);
    explorer.SetRepeatedShown(scenario.marks);
    explorer.FitToWindow();
    explorer.ZoomBy(scenario.zoom, QPointF(scenario.px, scenario.py));
    waitFor(full);
    std::vector<double> movingWall, movingCpu, quickAfter, restWall, restCpu, fullAfter;
    const auto repaint = [&](std::vector<double>& wall, std::vector<double>& cpu) {
      const double cpuStart = ThreadMilliseconds();
      const auto start = std::chrono::steady_clock::now();
      explorer.repaint();
      wall.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
      cpu.push_back(ThreadMilliseconds() - cpuStart);
    };
    const auto pan = [&](double dx, double dy) { explorer.PanBy(QPointF(dx, dy)); };
    const auto zoom = [&](double factor) { explorer.ZoomBy(factor, QPointF(scenario.px, scenario.py)); };
    // Each move repainted at once, then shown in its quick picture.
    for (int i = 0; i < repaints; ++i) {
      Move(i, pan, zoom);
      repaint(movingWall, movingCpu);
      quickAfter.push_back(waitFor(current));
    }
    for (int i = 0; i < rests; ++i) {
      Move(i, pan, zoom);
      fullAfter.push_back(waitFor(full));
      repaint(restWall, restCpu);
    }
    met = met && Median(movingWall) <= kGoalMs && Median(restWall) <= kGoalMs;
    std::printf("  %-48s  %6.2f %6.2f ms  %6.1f ms   %6.2f %6.2f ms  %6.1f ms\n", scenario.name, Median(movingWall),
                Median(movingCpu), Median(quickAfter), Median(restWall), Median(restCpu), Median(fullAfter));
  }
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
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

  std::vector<quenor::FanFill> marks = quenor::ColouringFills(quenor::FanColouring::Lineage, content.occupants, kGenerations);
  const std::vector<quenor::FanFill> repeated = quenor::RepeatedAncestorFills(content.occupants, kGenerations);
  marks.insert(marks.end(), repeated.begin(), repeated.end());

  std::printf("interactive fan chart of %d generations, complete pedigree (4 094 boxes), window %dx%d\n",
              kGenerations, kWidth, kHeight);
  std::printf("  content read once (list, places, statistics)  %7.2f ms\n", loadMs);
  std::printf("  first repaint (fonts made, texts shaped)      %7.2f ms\n", firstMs);
  std::printf("the drawing alone (wall, cpu)\n");
  std::printf("  %-48s %-24s %s\n", "", "quick (while moving)", "in full (once at rest)");
  for (const Scenario& scenario : kScenarios) {
    std::printf("  %-48s", scenario.name);
    for (quenor::FanViewRenderer::Detail detail :
         {quenor::FanViewRenderer::Detail::Moving, quenor::FanViewRenderer::Detail::Full}) {
      quenor::FanViewport view = quenor::ZoomFanView(fit, kGenerations, scenario.zoom, scenario.px, scenario.py);
      std::vector<double> wall, cpu;
      for (int i = 0; i < repaints; ++i) {
        Move(i, [&](double dx, double dy) { view = quenor::PanFanView(view, dx, dy); },
             [&](double factor) { view = quenor::ZoomFanView(view, kGenerations, factor, scenario.px, scenario.py); });
        const double cpuStart = ThreadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        renderer.Render(layout, view, content, scenario.marks ? marks : std::vector<quenor::FanFill>{}, detail);
        wall.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        cpu.push_back(ThreadMilliseconds() - cpuStart);
      }
      std::printf("  %6.2f  %6.2f ms      ", Median(wall), Median(cpu));
    }
    std::printf("\n");
  }
  const bool met = TimeTheWindow(layout, content, repaints);
  std::filesystem::remove_all(scratch);
  std::printf("goal: a repaint of the window while zooming or moving and at rest in at most %.0f ms (median wall "
              "time): %s\n",
              kGoalMs, met ? "met" : "MISSED");
  return met ? 0 : 1;
}
