#include "fanchart/fan_pages.h"

#include <algorithm>
#include <cmath>

#include "fanchart/fan_geometry.h"
#include "fanchart/page_count.h"

namespace quenor {
namespace {

constexpr int kMaxPagesPerSide = 1000;

}  // namespace

FanDrawingSize DrawingSizeOf(int generations, double scale, double ringWidth, double overlap) {
  const double n = RingCountFor(generations);
  return {(2.0 * n * ringWidth + 2.0 * overlap) * scale, (n * ringWidth + 1.0 + 2.0 * overlap) * scale};
}

int PagesNeeded(double size, double pageSize, double overlap) {
  // A run tiles at most 1000 pages a side, as many as that when a page has no room.
  return PagesToCover(size, pageSize, overlap, kMaxPagesPerSide, kMaxPagesPerSide);
}

void TileFanChart(FanLayout& layout, bool wholeDrawingOnOnePage) {
  const FanDrawingSize size =
      DrawingSizeOf(layout.generationCount, layout.scale, layout.ringWidth, layout.pageOverlap);
  if (wholeDrawingOnOnePage) {
    layout.pageWidth = size.width + 1.0;
    layout.pageHeight = size.height + 1.0;
  }
  layout.pagesAcross = PagesNeeded(size.width, layout.pageWidth, layout.pageOverlap);
  layout.pagesDown = PagesNeeded(size.height, layout.pageHeight, layout.pageOverlap);
}

int UnitsPerInchFor(double pageWidth, double pageHeight) {
  return pageWidth >= 30.0 || pageHeight >= 30.0 ? 300 : 600;
}

void StartFanRun(FanLayout& layout) {
  layout.ringWidth = 2.5f;
  layout.pageOverlap = 0.04f;
  layout.generationCount = std::clamp(layout.generationCount, 4, 12);
  layout.scale = std::clamp(layout.scale, 0.3f, 2.0f);
  layout.firstStradonitz = std::max(layout.firstStradonitz, 1);
  layout.unitsPerInch = UnitsPerInchFor(layout.pageWidth, layout.pageHeight);
  layout.textStyle = ChartTextStyle();
  layout.ringCount = RingCountFor(layout.generationCount);
  layout.drawingActive = true;
}

FanRect PageRectOf(const FanLayout& layout, int row, int column) {
  const double pw = layout.pageWidth, ph = layout.pageHeight, s = layout.scale, ov = layout.pageOverlap;
  const double a = layout.pagesAcross, d = layout.pagesDown;
  const double fanHeight = layout.ringCount * static_cast<double>(layout.ringWidth);
  FanRect rect;
  rect.xMin = static_cast<float>(((pw - ov) * (2.0 * column - a) / s) * 0.5);
  rect.xMax = static_cast<float>(rect.xMin + pw / s);
  rect.yMin = static_cast<float>((ph - ov) * row / s - (((ph - ov) * d / s - fanHeight) - 1.0) * 0.5 - 1.0);
  rect.yMax = static_cast<float>(rect.yMin + ph / s);
  return rect;
}

CanvasPoint PageExtentOf(const FanLayout& layout) {
  const double k = layout.unitsPerInch;
  return {static_cast<int>(layout.pageWidth / layout.scale * k), static_cast<int>(layout.pageHeight / layout.scale * k)};
}

void MapPrintedPage(Canvas& canvas, FanLayout& layout, int row, int column, int printableWidth,
                    int printableHeight) {
  layout.pageRect = PageRectOf(layout, row, column);
  const CanvasPoint extent = PageExtentOf(layout);
  canvas.SetWindowOrigin(0, 0);
  canvas.SetWindowExtent(extent.x, extent.y);
  canvas.SetViewportExtent(printableWidth, -printableHeight);
  canvas.SetViewportOrigin(0, printableHeight);
  layout.clipRect = layout.pageRect;
}

void MapPreviewPage(Canvas& canvas, FanLayout& layout, int row, int column, int clientWidth, int clientHeight) {
  layout.pageRect = PageRectOf(layout, row, column);
  const CanvasPoint extent = PageExtentOf(layout);
  canvas.SetWindowOrigin(0, 0);
  canvas.SetWindowExtent(extent.x, extent.y);
  canvas.SetViewportExtent(clientWidth - 10, 40 - clientHeight);
  const double ratio = static_cast<double>(canvas.ViewportExtent().x) / canvas.WindowExtent().x;
  const double k = layout.unitsPerInch;
  const int originX = static_cast<int>((clientWidth - k * layout.pageWidth / layout.scale * ratio) * 0.5);
  const int originY =
      clientHeight - static_cast<int>((clientHeight - k * layout.pageHeight / layout.scale * ratio) * 2.0 / 3.0);
  canvas.SetViewportOrigin(originX, originY);
  const CanvasPoint topLeft = canvas.DeviceToLogical({0, 0});
  const CanvasPoint bottomRight = canvas.DeviceToLogical({clientWidth, clientHeight});
  const float kf = static_cast<float>(layout.unitsPerInch);
  layout.clipRect.xMin = static_cast<float>(topLeft.x) / kf + layout.pageRect.xMin;
  layout.clipRect.xMax = static_cast<float>(bottomRight.x) / kf + layout.pageRect.xMin;
  layout.clipRect.yMin = static_cast<float>(bottomRight.y) / kf + layout.pageRect.yMin;
  layout.clipRect.yMax = static_cast<float>(topLeft.y) / kf + layout.pageRect.yMin;
}

void DrawPageOutline(Canvas& canvas, const FanLayout& layout) {
  const float k = static_cast<float>(layout.unitsPerInch);
  const int w = static_cast<int>((layout.pageRect.xMax - layout.pageRect.xMin) * k);
  const int h = static_cast<int>((layout.pageRect.yMax - layout.pageRect.yMin) * k);
  const CanvasPen previous = canvas.SelectPen(CanvasPen{PenStyle::Dash, 1, 0xFF0000});
  canvas.SetTransparentBackground(true);
  canvas.DrawLine(0, 0, 0, h);
  canvas.DrawLine(0, h, w, h);
  canvas.DrawLine(w, h, w, 0);
  canvas.DrawLine(w, 0, 0, 0);
  canvas.SelectPen(previous);
}

void DrawJoiningMarks(Canvas& canvas, const FanLayout& layout, int row, int column) {
  if (row == 0 && column == 0) return;
  const CanvasPoint extent = PageExtentOf(layout);
  CanvasPen pen = canvas.SelectPen(CanvasPen{PenStyle::Dash, 1, 0x000000});
  if (column != 0) canvas.DrawLine(2, 2, 2, extent.y);
  if (row != 0) canvas.DrawLine(5, 5, extent.x, 5);
  pen.style = PenStyle::Solid;
  canvas.SelectPen(pen);
}

}  // namespace quenor
