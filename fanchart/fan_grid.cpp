#include "fanchart/fan_grid.h"

#include <cmath>

#include "fanchart/fan_geometry.h"

namespace quenor {
namespace {

constexpr int kSeparatorPieces = 5;
constexpr int kChordsPerCircle = 1024;
constexpr float kChordAngle = 0.0030679617f;  // pi / 1024 as the chart stores it

CanvasPen SolidBlackPen(int width) { return CanvasPen{PenStyle::Solid, width, 0x000000}; }

void DrawLogicalLine(Canvas& canvas, const FanLayout& layout, float x1, float y1, float x2, float y2) {
  const CanvasPoint from = ToLogical(layout, x1, y1);
  const CanvasPoint to = ToLogical(layout, x2, y2);
  canvas.DrawLine(from.x, from.y, to.x, to.y);
}

// A piece is left out only when both its ends lie beyond the same clip edge.
bool PieceOutsideClip(const FanRect& clip, float x1, float y1, float x2, float y2) {
  return (x1 < clip.xMin && x2 < clip.xMin) || (x1 > clip.xMax && x2 > clip.xMax) ||
         (y1 < clip.yMin && y2 < clip.yMin) || (y1 > clip.yMax && y2 > clip.yMax);
}

// One separator, cut in five so that only its visible pieces are drawn.
void DrawSeparator(Canvas& canvas, const FanLayout& layout, float innerX, float innerY, float outerX,
                   float outerY) {
  const float dx = outerX - innerX;
  const float dy = outerY - innerY;
  for (int j = 0; j < kSeparatorPieces; ++j) {
    const float from = 0.2f * static_cast<float>(j);
    const float to = 0.2f * static_cast<float>(j + 1);
    const float x1 = innerX + dx * from, y1 = innerY + dy * from;
    const float x2 = innerX + dx * to, y2 = innerY + dy * to;
    if (PieceOutsideClip(layout.clipRect, x1, y1, x2, y2)) continue;
    DrawLogicalLine(canvas, layout, x1, y1, x2, y2);
  }
}

void DrawSeparators(Canvas& canvas, const FanLayout& layout) {
  const int n = layout.ringCount;
  const float r = layout.ringWidth;
  const float outer = static_cast<float>(n) * r + 0.01f;
  for (int g = 1; g < n && g <= 10; ++g) {
    const float d = kFanPi / PowerOfTwo(g);
    const int count = 1 << g;
    const float inner = static_cast<float>(g) * r;
    for (int k = 1; k <= count; k += 2) {
      const float a = static_cast<float>(k) * d;
      const float c = std::cos(a), s = std::sin(a);
      if (g < 6) {
        const CanvasPen previous = canvas.SelectPen(SolidBlackPen(ToLogicalLength(layout, (6 - g) * 0.004)));
        DrawSeparator(canvas, layout, c * inner, s * inner, c * outer, s * outer);
        canvas.SelectPen(previous);
      } else {
        DrawSeparator(canvas, layout, c * inner, s * inner, c * outer, s * outer);
      }
    }
  }
}

bool ChordVisible(const FanRect& clip, float x1, float y1, float x2, float y2) {
  return x1 > clip.xMin && x2 < clip.xMax &&
         ((y1 < clip.yMax && y2 > clip.yMin) || (y2 < clip.yMax && y1 > clip.yMin));
}

// The upper half circle of radius r as chords, only those inside the clip.
void DrawHalfCircle(Canvas& canvas, const FanLayout& layout, float r) {
  float x1 = r * std::cos(0.0f), y1 = r * std::sin(0.0f);
  for (int k = 0; k < kChordsPerCircle; ++k) {
    const float a = static_cast<float>(k + 1) * kChordAngle;
    const float x2 = r * std::cos(a), y2 = r * std::sin(a);
    if (ChordVisible(layout.clipRect, x1, y1, x2, y2)) DrawLogicalLine(canvas, layout, x1, y1, x2, y2);
    x1 = x2;
    y1 = y2;
  }
}

void DrawBaseLine(Canvas& canvas, const FanLayout& layout, float r) {
  const FanRect& clip = layout.clipRect;
  if (-r > clip.xMax || r < clip.xMin) return;
  const float left = -r < clip.xMin ? clip.xMin : -r;
  const float right = r >= clip.xMax ? clip.xMax : r;
  DrawLogicalLine(canvas, layout, left, -0.02f, right, -0.02f);
}

// The ring circles, the outer one thick, then the base line with the same pen.
void DrawCirclesAndBaseLine(Canvas& canvas, const FanLayout& layout) {
  const int n = layout.ringCount;
  const float outer = static_cast<float>(n) * layout.ringWidth + 0.03f;
  CanvasPen previous;
  bool thickPenSelected = false;
  for (int g = 1; g <= n; ++g) {
    if (g == 11) g = 12;  // the doubled last ring of 12 generations has no inner circle
    float r = static_cast<float>(g) * layout.ringWidth;
    if (g == n) {
      r = outer;
      const int w = g <= 5 ? g : 4;
      previous = canvas.SelectPen(SolidBlackPen(ToLogicalLength(layout, w * 0.01)));
      thickPenSelected = true;
    }
    DrawHalfCircle(canvas, layout, r);
  }
  DrawBaseLine(canvas, layout, outer);
  if (thickPenSelected) canvas.SelectPen(previous);
}

}  // namespace

void DrawFanGrid(Canvas& canvas, const FanLayout& layout) {
  DrawSeparators(canvas, layout);
  DrawCirclesAndBaseLine(canvas, layout);
}

}  // namespace quenor
