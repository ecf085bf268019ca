// The interactive chart: the view fits the whole chart, zooms about the
// pointer and follows a drag; every name drawn on the screen, at several
// zooms and after moves, lies on the pixel of its own ancestor's place; a
// view draws only what reaches its window, and all of that.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "fanchart/fan_fills.h"
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

// Long names, married, so that texts reach far from their places.
FanViewContent MarriedPlaces(const ScratchFolder& folder, int generations) {
  std::string list = ListLine(1, 1, "Probant", "", "", false);
  const int32_t last = (int32_t{1} << generations) - 1;
  for (int32_t n = 2; n <= last; ++n) {
    std::string name = "Marie-Madeleine Antoinette P";
    name += std::to_string(n);
    name += " de La Tour d'Auvergne";
    list += ListLine(n, 100 + n, name, "12 sep 1783", "Saint-Germain-en-Laye, Seine-et-Oise");
  }
  WriteBytes(folder / "LstAscd.TXT", list);
  FanViewContent content;
  content.lines = ReadFanPersonLines((folder / "LstAscd.TXT").string(), generations);
  content.facts.today = {2024, 3, 15};
  return content;
}

std::vector<FanFill> EveryPlaceFilled(int generations) {
  std::vector<FanFill> fills;
  for (int32_t n = 2; n < (int32_t{1} << generations); ++n) fills.push_back({n, ColourOfPlace(FanColouring::Lineage, n)});
  return fills;
}

// The part of the segment inside the window shrunk by `inset` pixels, false
// when none is (Liang and Barsky).
bool ClipToWindow(const FanViewport& view, double inset, double& x1, double& y1, double& x2, double& y2) {
  double from = 0.0, to = 1.0;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - inset, view.width - inset - x1, y1 - inset, view.height - inset - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      from = std::max(from, t);
    } else {
      to = std::min(to, t);
    }
  }
  if (from > to) return false;
  const double sx = x1, sy = y1;
  x1 = sx + from * dx, y1 = sy + from * dy, x2 = sx + to * dx, y2 = sy + to * dy;
  return true;
}

struct DevicePoint {
  double x, y;
};

DevicePoint DeviceOf(const RecordingCanvas& canvas, double x, double y) {
  return {canvas.Mapping().DeviceX(x), canvas.Mapping().DeviceY(y)};
}

double DistanceToSegment(DevicePoint p, DevicePoint a, DevicePoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
  const double t = length == 0.0 ? 0.0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Whether the window, shrunk by a pixel, shows part of the line.
bool LineShown(const RecordingCanvas& canvas, const RecordedLine& line, const FanViewport& view, DevicePoint& from,
               DevicePoint& to) {
  from = DeviceOf(canvas, line.x1, line.y1), to = DeviceOf(canvas, line.x2, line.y2);
  return ClipToWindow(view, 1.0, from.x, from.y, to.x, to.y);
}

// Whether the window, shrunk by a pixel, shows part of the text: the box of
// its base line (centred on its point, as wide as the canvas measures it)
// and of a cell height on either side, turned by its escapement.
bool TextShown(const RecordingCanvas& canvas, const RecordedText& text, const FanViewport& view) {
  const double half = text.text.size() * std::abs(text.font.height) * 0.5 / 2.0, cell = std::abs(text.font.height);
  const double angle = -text.font.escapement * 3.14159265358979 / 1800.0;
  const double ux = std::cos(angle), uy = std::sin(angle);
  std::array<DevicePoint, 4> corners;
  const double sides[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  for (int i = 0; i < 4; ++i) {
    const double along = sides[i][0] * half, across = sides[i][1] * cell;
    corners[i] = DeviceOf(canvas, text.x + ux * along - uy * across, text.y + uy * along + ux * across);
  }
  for (int i = 0; i < 4; ++i) {
    DevicePoint a = corners[i], b = corners[(i + 1) % 4];
    if (ClipToWindow(view, 1.0, a.x, a.y, b.x, b.y)) return true;
  }
  return false;  // a text larger than the window never happens here
}

using TextKey = std::tuple<int, int, std::string, int, int, bool>;
TextKey KeyOf(const RecordedText& text) {
  return {text.x, text.y, text.text, text.font.height, text.font.escapement, text.font.italic};
}
using PolygonKey = std::pair<std::vector<std::pair<int, int>>, CanvasColour>;
PolygonKey KeyOf(const RecordedPolygon& polygon) {
  PolygonKey key{{}, polygon.fill};
  for (const CanvasPoint& point : polygon.points) key.first.emplace_back(point.x, point.y);
  return key;
}

bool PolygonShown(const RecordingCanvas& canvas, const RecordedPolygon& polygon, const FanViewport& view) {
  double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
  for (const CanvasPoint& point : polygon.points) {
    const DevicePoint p = DeviceOf(canvas, point.x, point.y);
    xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x), yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
  }
  return xMax > 1.0 && xMin < view.width - 1.0 && yMax > 1.0 && yMin < view.height - 1.0;
}

using LineKey = std::tuple<int, int, int, int, int, CanvasColour>;
LineKey KeyOf(const RecordedLine& line) {
  return {line.x1, line.y1, line.x2, line.y2, static_cast<int>(line.pen.style) * 10000 + line.pen.width,
          line.pen.colour};
}

// Whether a line of `lines` in the same pen covers the segment from a to b.
bool Covered(const RecordingCanvas& canvas, const std::vector<RecordedLine>& lines, const CanvasPen& pen,
             DevicePoint a, DevicePoint b) {
  for (const RecordedLine& line : lines) {
    if (!(line.pen == pen)) continue;
    const DevicePoint from = DeviceOf(canvas, line.x1, line.y1), to = DeviceOf(canvas, line.x2, line.y2);
    if (DistanceToSegment(a, from, to) < 0.5 && DistanceToSegment(b, from, to) < 0.5) return true;
  }
  return false;
}

// Draws the view twice, once as the window draws it and once without
// leaving anything out, and compares what the window shows of each.
void ExpectCulledViewShowsAllItShould(const FanViewport& view, const FanViewContent& content,
                                      const std::vector<FanFill>& fills, int generations, double leftOut) {
  SCOPED_TRACE("zoom " + std::to_string(view.zoom) + " centre " + std::to_string(view.centreX) + ", " +
               std::to_string(view.centreY));
  FanLayout culledLayout = FanViewLayout(generations, "Ancêtres de Probant");
  RecordingCanvas culled;
  DrawFanView(culled, culledLayout, view, content, fills);
  FanLayout wholeLayout = FanViewLayout(generations, "Ancêtres de Probant");
  RecordingCanvas whole;
  MapFanView(whole, wholeLayout, view);
  wholeLayout.clipRect = {-1e4f, 1e4f, -1e4f, 1e4f};
  DrawMappedFanView(whole, wholeLayout, content, fills);

  // Texts and fills: the same ones, shown or not.
  std::map<TextKey, int> culledTexts, wholeTexts;
  for (const RecordedText& text : culled.texts) ++culledTexts[KeyOf(text)];
  for (const RecordedText& text : whole.texts) ++wholeTexts[KeyOf(text)];
  int textsShown = 0;
  for (const RecordedText& text : whole.texts) {
    if (!TextShown(whole, text, view)) continue;
    ++textsShown;
    EXPECT_EQ(culledTexts.count(KeyOf(text)), 1u) << "left out: " << text.text << " at " << text.x << ", " << text.y;
  }
  for (const auto& [key, count] : culledTexts) EXPECT_LE(count, wholeTexts[key]) << std::get<2>(key);
  EXPECT_GT(textsShown, 0);
  std::map<PolygonKey, int> culledFills;
  for (const RecordedPolygon& polygon : culled.polygons) ++culledFills[KeyOf(polygon)];
  for (const RecordedPolygon& polygon : whole.polygons) {
    if (!PolygonShown(whole, polygon, view)) continue;
    EXPECT_EQ(culledFills.count(KeyOf(polygon)), 1u) << "a fill left out";
  }
  EXPECT_LE(culled.polygons.size(), whole.polygons.size());

  // Lines: every part the window shows is drawn, the same line or a piece of it.
  std::map<LineKey, int> culledLines, wholeLines;
  for (const RecordedLine& line : culled.lines) ++culledLines[KeyOf(line)];
  for (const RecordedLine& line : whole.lines) ++wholeLines[KeyOf(line)];
  for (const RecordedLine& line : whole.lines) {
    DevicePoint a, b;
    if (!LineShown(whole, line, view, a, b) || culledLines.count(KeyOf(line))) continue;
    EXPECT_TRUE(Covered(culled, culled.lines, line.pen, a, b))
        << "missing: (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ")";
  }
  for (const RecordedLine& line : culled.lines) {
    if (wholeLines.count(KeyOf(line))) continue;
    const DevicePoint a = DeviceOf(culled, line.x1, line.y1), b = DeviceOf(culled, line.x2, line.y2);
    EXPECT_TRUE(Covered(whole, whole.lines, line.pen, a, b)) << "drawn but not in the chart";
  }
  // And the rest is left out: at least that share of the texts.
  EXPECT_LE(culled.texts.size(), whole.texts.size() * (1.0 - leftOut));
}

// A picture of one view shown in another: each pixel goes where the other
// view shows its drawing point, after zooms, moves and a change of size.
TEST(FanView, APictureOfOneViewLiesOnAnotherWhereItsPointsAre) {
  const FanViewport fit = FitFanView(12, kWidth, kHeight);
  const FanViewport zoomed = ZoomFanView(fit, 12, 3.0, kWidth * 0.3, kHeight * 0.2);
  const FanViewport moved = PanFanView(zoomed, -140, 65);
  const FanViewport resized = ResizeFanView(moved, kWidth + 300, kHeight - 200);
  const std::pair<FanViewport, FanViewport> pairs[] = {
      {fit, fit}, {fit, zoomed}, {zoomed, fit}, {zoomed, moved}, {fit, resized}, {resized, zoomed}};
  for (const auto& [from, to] : pairs) {
    const FanViewShift shift = ShiftBetween(from, to);
    for (const auto& [px, py] : {std::pair{0.0, 0.0}, {kWidth * 0.5, kHeight * 0.5}, {kWidth - 1.0, 13.0},
                                  {77.0, kHeight - 1.0}}) {
      const DrawingPoint there = DrawingPointAt(from, px, py);
      const DrawingPoint here = DrawingPointAt(to, px * shift.scale + shift.dx, py * shift.scale + shift.dy);
      // Within a pixel of the finer view.
      const double pixel = 1.0 / std::min(from.zoom, to.zoom);
      EXPECT_NEAR(here.x, there.x, pixel) << px << ", " << py;
      EXPECT_NEAR(here.y, there.y, pixel) << px << ", " << py;
    }
  }
  const FanViewShift same = ShiftBetween(moved, moved);
  EXPECT_EQ(same.scale, 1.0);
  EXPECT_EQ(same.dx, 0.0);
  EXPECT_EQ(same.dy, 0.0);
}

TEST(FanView, AViewDrawsAllThatReachesItsWindowAndLeavesTheRestOut) {
  ScratchFolder folder;
  const int generations = 12;
  const FanViewContent content = MarriedPlaces(folder, generations);
  const std::vector<FanFill> fills = EveryPlaceFilled(generations);
  const FanViewport fit = FitFanView(generations, kWidth, kHeight);
  ExpectCulledViewShowsAllItShould(fit, content, fills, generations, 0.0);
  // The outer rings, generation 12 readable, the parents close up, the
  // base line and the left end of the fan.
  struct Zoom {
    double factor, px, py, panX, panY, leftOut;
  };
  const Zoom zooms[] = {
      {4.0, kWidth * 0.2, kHeight * 0.3, 0, 0, 0.5},       {16.0, kWidth * 0.25, kHeight * 0.35, 0, 0, 0.9},
      {16.0, kWidth * 0.25, kHeight * 0.35, 333, -171, 0.9}, {60.0, kWidth * 0.47, kHeight * 0.9, 0, 0, 0.9},
      {8.0, kWidth * 0.5, kHeight * 0.97, 0, 0, 0.5},       {6.0, 3.0, kHeight * 0.95, 0, 0, 0.5},
  };
  for (const Zoom& zoom : zooms) {
    const FanViewport view = PanFanView(ZoomFanView(fit, generations, zoom.factor, zoom.px, zoom.py), zoom.panX, zoom.panY);
    ExpectCulledViewShowsAllItShould(view, content, fills, generations, zoom.leftOut);
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
