// The interactive chart: the view fits the whole chart, zooms about the
// pointer and follows a drag; every name drawn on the screen, at several
// zooms and after moves, lies on the pixel of its own ancestor's place.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fanchart/fan_geometry.h"
#include "fanchart/fan_view.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/test_files.h"

namespace quenor::testing {
namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

// A list where person n is named "P<n>", one word, without marriage.
FanViewContent NamedPlaces(const ScratchFolder& folder, int generations) {
  std::string list = ListLine(1, 1, "Probant", "", "", false);
  const int32_t last = (int32_t{1} << generations) - 1;
  for (int32_t n = 2; n <= last; ++n) list += ListLine(n, 100 + n, "P" + std::to_string(n), "", "", false);
  WriteBytes(folder / "LstAscd.TXT", list);
  FanViewContent content;
  content.lines = ReadFanPersonLines((folder / "LstAscd.TXT").string(), generations);
  content.facts.today = {2024, 3, 15};
  return content;
}

struct Check {
  int onScreen = 0;
  int wrong = 0;
};

// Draws the view and looks up, for every name inside the window, the place
// under the pixel where it is drawn.
Check NamesOnTheirPlaces(const FanViewport& view, const FanViewContent& content, int generations) {
  FanLayout layout = FanViewLayout(generations, "Ancêtres de Probant");
  RecordingCanvas canvas;
  DrawFanView(canvas, layout, view, content, {});
  Check check;
  for (const RecordedText& text : canvas.texts) {
    if (text.text.size() < 2 || text.text[0] != 'P' || text.text.find_first_not_of("0123456789", 1) != std::string::npos)
      continue;
    const double px = canvas.Mapping().DeviceX(text.x), py = canvas.Mapping().DeviceY(text.y);
    if (px < 0 || py < 0 || px >= view.width || py >= view.height) continue;
    ++check.onScreen;
    const int32_t expected = std::atoi(text.text.c_str() + 1);
    const int32_t found = NumberAtPixel(view, generations, px, py);
    if (found != expected) {
      ++check.wrong;
      ADD_FAILURE() << text.text << " drawn at (" << px << ", " << py << ") is over place " << found;
    }
  }
  return check;
}

TEST(FanView, ThePlaceUnderEachNameIsItsAncestorsAtEveryZoomAndAfterMoves) {
  ScratchFolder folder;
  for (int generations : {6, 12}) {
    const FanViewContent content = NamedPlaces(folder, generations);
    const FanViewport fit = FitFanView(generations, kWidth, kHeight);
    const Check whole = NamesOnTheirPlaces(fit, content, generations);
    EXPECT_EQ(whole.onScreen, (1 << generations) - 2);  // all of them, fitted
    EXPECT_EQ(whole.wrong, 0);
    const std::vector<double> factors = generations == 6 ? std::vector<double>{2.0, 3.0, 4.0}
                                                         : std::vector<double>{2.5, 6.0, 15.0};
    for (double factor : factors) {
      FanViewport view = ZoomFanView(fit, generations, factor, kWidth * 0.25, kHeight * 0.35);
      const Check zoomed = NamesOnTheirPlaces(view, content, generations);
      EXPECT_GT(zoomed.onScreen, 0) << view.zoom;
      EXPECT_EQ(zoomed.wrong, 0) << view.zoom;
      view = PanFanView(view, -kWidth * 0.4, kHeight * 0.15);
      const Check moved = NamesOnTheirPlaces(view, content, generations);
      EXPECT_GT(moved.onScreen, 0) << view.zoom;
      EXPECT_EQ(moved.wrong, 0) << view.zoom;
    }
  }
}

TEST(FanView, FittingShowsTheWholeChartAndZoomKeepsThePointUnderThePointer) {
  const FanViewport fit = FitFanView(12, kWidth, kHeight);
  const DrawingPoint topLeft = DrawingPointAt(fit, 0, 0), bottomRight = DrawingPointAt(fit, kWidth, kHeight);
  const FanRect bounds = ChartBoundsOf(12);
  const double pixel = 1.0 / fit.zoom;
  EXPECT_LE(topLeft.x, bounds.xMin + pixel);
  EXPECT_GE(bottomRight.x, bounds.xMax - pixel);
  EXPECT_GE(topLeft.y, bounds.yMax - pixel);
  EXPECT_LE(bottomRight.y, bounds.yMin + pixel);

  const DrawingPoint held = DrawingPointAt(fit, 300, 200);
  const FanViewport zoomed = ZoomFanView(fit, 12, 8.0, 300, 200);
  EXPECT_DOUBLE_EQ(zoomed.zoom, fit.zoom * 8.0);
  const DrawingPoint after = DrawingPointAt(zoomed, 300, 200);
  EXPECT_NEAR(after.x, held.x, 2.0 / zoomed.zoom);
  EXPECT_NEAR(after.y, held.y, 2.0 / zoomed.zoom);

  // Zooming stops at one logical unit a pixel, and at a quarter of the fitting zoom.
  EXPECT_DOUBLE_EQ(ZoomFanView(fit, 12, 1e9, 0, 0).zoom, kFanViewUnitsPerInch);
  EXPECT_DOUBLE_EQ(ZoomFanView(fit, 12, 1e-9, 0, 0).zoom, fit.zoom / 4.0);

  // A drag of the mouse carries the drawing with it.
  const FanViewport moved = PanFanView(zoomed, 50, -20);
  const DrawingPoint dragged = DrawingPointAt(moved, 350, 180);
  EXPECT_NEAR(dragged.x, after.x, 2.0 / zoomed.zoom);
  EXPECT_NEAR(dragged.y, after.y, 2.0 / zoomed.zoom);
}

TEST(FanView, OutsideTheFanThereIsNoAncestor) {
  const FanViewport fit = FitFanView(8, kWidth, kHeight);
  EXPECT_EQ(NumberAtPixel(fit, 8, 2, 2), 0);                     // a corner, beyond the outer ring
  EXPECT_EQ(NumberAtPixel(fit, 8, kWidth / 2.0, kHeight - 2), 0);  // the texts under the fan
  // The inner half-disc: the father left of the middle, the mother right of it.
  const auto pixelX = [&](double x) { return kWidth / 2.0 + (x - fit.centreX) * fit.zoom; };
  const auto pixelY = [&](double y) { return kHeight / 2.0 - (y - fit.centreY) * fit.zoom; };
  EXPECT_EQ(NumberAtPixel(fit, 8, pixelX(-1.0), pixelY(1.0)), 2);
  EXPECT_EQ(NumberAtPixel(fit, 8, pixelX(1.0), pixelY(1.0)), 3);
}

}  // namespace
}  // namespace quenor::testing
