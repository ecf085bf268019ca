#include "fanchart/fan_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "fanchart/fan_geometry.h"
#include "fanchart/fan_grid.h"
#include "fanchart/fan_occupants.h"
#include "fanchart/fan_pages.h"
#include "fanchart/fan_persons.h"
#include "fanchart/fan_sectors.h"
#include "fanchart/fan_statistics.h"
#include "session/session.h"

namespace quenor {
namespace {

constexpr double kSideMargin = 0.9;   // the side titles and the ends of the base line
constexpr double kTopMargin = 0.9;    // the side titles over the outer ring
constexpr double kTextsBelow = 1.1;   // the probant line, legend and statistics
constexpr double kMaximumZoom = kFanViewUnitsPerInch;

double FittingZoom(int generations, int width, int height) {
  const FanRect bounds = ChartBoundsOf(generations);
  return std::min(width / static_cast<double>(bounds.xMax - bounds.xMin),
                  height / static_cast<double>(bounds.yMax - bounds.yMin));
}

// The drawing units the window shows.
FanRect VisibleRectOf(const FanViewport& view) {
  const double halfWidth = view.width / (2.0 * view.zoom), halfHeight = view.height / (2.0 * view.zoom);
  return {static_cast<float>(view.centreX - halfWidth), static_cast<float>(view.centreX + halfWidth),
          static_cast<float>(view.centreY - halfHeight), static_cast<float>(view.centreY + halfHeight)};
}

CanvasPoint WindowExtentOf(const FanViewport& view) {
  const double units = kFanViewUnitsPerInch / view.zoom;
  return {std::max(1, static_cast<int>(view.width * units)), std::max(1, static_cast<int>(view.height * units))};
}

}  // namespace

FanRect ChartBoundsOf(int generations, float ringWidth) {
  const double outer = RingCountFor(generations) * static_cast<double>(ringWidth);
  return {static_cast<float>(-outer - kSideMargin), static_cast<float>(outer + kSideMargin),
          static_cast<float>(-kTextsBelow), static_cast<float>(outer + kTopMargin)};
}

FanViewport FitFanView(int generations, int width, int height) {
  FanViewport view;
  view.width = std::max(1, width);
  view.height = std::max(1, height);
  const FanRect bounds = ChartBoundsOf(generations);
  view.centreX = (bounds.xMin + bounds.xMax) / 2.0;
  view.centreY = (bounds.yMin + bounds.yMax) / 2.0;
  view.zoom = std::min(FittingZoom(generations, view.width, view.height), kMaximumZoom);
  return view;
}

FanViewport ZoomFanView(const FanViewport& view, int generations, double factor, double px, double py) {
  const double least = FittingZoom(generations, view.width, view.height) / 4.0;
  const double zoom = std::clamp(view.zoom * factor, std::min(least, view.zoom), kMaximumZoom);
  const DrawingPoint held = DrawingPointAt(view, px, py);
  FanViewport zoomed = view;
  zoomed.zoom = zoom;
  // The pixel keeps its drawing point.
  zoomed.centreX = held.x - (px - view.width / 2.0) / zoom;
  zoomed.centreY = held.y + (py - view.height / 2.0) / zoom;
  return zoomed;
}

FanViewport PanFanView(const FanViewport& view, double dx, double dy) {
  FanViewport moved = view;
  moved.centreX -= dx / view.zoom;
  moved.centreY += dy / view.zoom;
  return moved;
}

FanViewport ResizeFanView(const FanViewport& view, int width, int height) {
  FanViewport resized = view;
  resized.width = std::max(1, width);
  resized.height = std::max(1, height);
  return resized;
}

FanViewShift ShiftBetween(const FanViewport& from, const FanViewport& to) {
  FanViewShift shift;
  shift.scale = to.zoom / from.zoom;
  shift.dx = to.width / 2.0 - from.width / 2.0 * shift.scale + (from.centreX - to.centreX) * to.zoom;
  shift.dy = to.height / 2.0 - from.height / 2.0 * shift.scale - (from.centreY - to.centreY) * to.zoom;
  return shift;
}

IsotropicMapping MappingOfFanView(const FanViewport& view) {
  IsotropicMapping mapping;
  const CanvasPoint extent = WindowExtentOf(view);
  mapping.SetWindowOrigin(0, 0);
  mapping.SetWindowExtent(extent.x, extent.y);
  mapping.SetViewportExtent(view.width, -view.height);
  mapping.SetViewportOrigin(0, view.height);
  return mapping;
}

void MapFanView(Canvas& canvas, FanLayout& layout, const FanViewport& view) {
  const IsotropicMapping mapping = MappingOfFanView(view);
  canvas.SetWindowOrigin(0, 0);
  canvas.SetWindowExtent(mapping.WindowExtent().x, mapping.WindowExtent().y);
  canvas.SetViewportExtent(view.width, -view.height);
  canvas.SetViewportOrigin(0, view.height);
  layout.unitsPerInch = kFanViewUnitsPerInch;
  layout.pageRect = VisibleRectOf(view);
  layout.clipRect = layout.pageRect;
}

DrawingPoint DrawingPointAt(const FanViewport& view, double px, double py) {
  const IsotropicMapping mapping = MappingOfFanView(view);
  const FanRect page = VisibleRectOf(view);
  const double logicalX = (px - mapping.ViewportOrigin().x) / mapping.ScaleX();
  const double logicalY = (py - mapping.ViewportOrigin().y) / mapping.ScaleY();
  return {logicalX / kFanViewUnitsPerInch + page.xMin, logicalY / kFanViewUnitsPerInch + page.yMin};
}

int32_t NumberAtPixel(const FanViewport& view, int generations, double px, double py) {
  const DrawingPoint point = DrawingPointAt(view, px, py);
  return NumberAt(generations, 2.5f, point.x, point.y);
}

std::vector<AncestorLine> ReadFanPersonLines(const std::string& listPath, int generations) {
  std::vector<AncestorLine> lines;
  std::FILE* file = std::fopen(listPath.c_str(), "rb");
  if (file == nullptr) return lines;
  const int32_t limit = (int32_t{1} << generations) - 1;
  char buffer[kListLineLimit + 1];
  while (std::fgets(buffer, sizeof buffer, file)) {
    AncestorLine line = ReadDrawingLine(buffer);
    if (line.number < 2) continue;
    if (line.number > limit) break;
    lines.push_back(std::move(line));
  }
  std::fclose(file);
  return lines;
}

FanViewContent LoadFanViewContent(Session& session, int generations) {
  FanViewContent content;
  content.lines = ReadFanPersonLines(session.SlotPath(kSlotAncestryList), generations);
  content.occupants = ProbantOccupants(session.index, session.probantNumber, generations);
  content.facts.statistics = CountProbantStatistics(session.index, session.probantNumber, generations);
  content.facts.today = session.clock.TodayUtc();
  return content;
}

FanLayout FanViewLayout(int generations, const std::string& probantLine) {
  FanLayout layout;
  layout.generationCount = generations;
  layout.probantLine = probantLine;
  layout.note.clear();
  layout.firstStradonitz = 1;
  StartFanRun(layout);
  layout.unitsPerInch = kFanViewUnitsPerInch;
  layout.paintMode = PaintMode::Preview;
  layout.anglesInverted = false;
  return layout;
}

void DrawFanView(Canvas& canvas, FanLayout& layout, const FanViewport& view, const FanViewContent& content,
                 const std::vector<FanFill>& fills) {
  MapFanView(canvas, layout, view);
  DrawMappedFanView(canvas, layout, content, fills);
}

void DrawMappedFanView(Canvas& canvas, FanLayout& layout, const FanViewContent& content,
                       const std::vector<FanFill>& fills) {
  DrawFanFills(canvas, layout, fills);
  DrawFanGrid(canvas, layout);
  DrawFanFrame(canvas, layout, content.facts);
  for (const AncestorLine& line : content.lines) DrawPersonTexts(canvas, layout, line);
}

}  // namespace quenor
