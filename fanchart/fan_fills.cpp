#include "fanchart/fan_fills.h"

#include <algorithm>
#include <cmath>

#include "ancestry/ancestor_table.h"
#include "fanchart/fan_geometry.h"
#include "fanchart/fan_sectors.h"

namespace quenor {
namespace {

constexpr float kChordAngle = 0.0030679617f;  // the grid's circles are drawn with chords of this angle
constexpr CanvasColour kWhite = 0xFFFFFF;

// Light colours that print well under black text, generations 2 to 12.
constexpr CanvasColour kGenerationColours[] = {
    RgbColour(246, 216, 174), RgbColour(251, 231, 161), RgbColour(217, 237, 191), RgbColour(191, 227, 208),
    RgbColour(191, 221, 235), RgbColour(201, 211, 240), RgbColour(220, 205, 235), RgbColour(240, 205, 224),
    RgbColour(244, 198, 192), RgbColour(232, 220, 200), RgbColour(213, 227, 232),
};

constexpr CanvasColour kFatherColour = RgbColour(178, 208, 234);
constexpr CanvasColour kMotherColour = RgbColour(245, 190, 180);
// The four grandparents: father's father, father's mother, mother's father,
// mother's mother.
constexpr CanvasColour kGrandparentColours[] = {
    RgbColour(160, 200, 228), RgbColour(176, 222, 190), RgbColour(249, 205, 150), RgbColour(244, 180, 196),
};

// Half way towards white.
CanvasColour Lighter(CanvasColour colour) {
  const auto mix = [](uint32_t c) { return (c + 255u) / 2u; };
  return RgbColour(mix(colour & 0xFF), mix((colour >> 8) & 0xFF), mix((colour >> 16) & 0xFF));
}

CanvasColour LineageColour(int32_t n) {
  const int g = GenerationOf(n);
  if (g == 2) return n == 2 ? kFatherColour : kMotherColour;
  const int32_t grandparent = n >> (g - 3);  // 4 to 7
  const CanvasColour colour = kGrandparentColours[grandparent - 4];
  return g % 2 == 0 ? Lighter(colour) : colour;
}

using DrawingPoints = std::vector<std::pair<float, float>>;

// The arc of `radius` from angle `from` to angle `to`, either way round; the
// centre alone for a radius of 0.
void AddArc(DrawingPoints& points, float radius, float from, float to) {
  if (radius <= 0.0f) {
    points.emplace_back(0.0f, 0.0f);
    return;
  }
  const bool forward = to >= from;
  points.emplace_back(radius * std::cos(from), radius * std::sin(from));
  // Inner vertices on the grid's own chord points, so that fills meet its circles.
  const int first = static_cast<int>(std::floor(std::min(from, to) / kChordAngle)) + 1;
  const int last = static_cast<int>(std::ceil(std::max(from, to) / kChordAngle)) - 1;
  for (int i = 0; i <= last - first; ++i) {
    const int k = forward ? first + i : last - i;
    const float a = static_cast<float>(k) * kChordAngle;
    points.emplace_back(radius * std::cos(a), radius * std::sin(a));
  }
  points.emplace_back(radius * std::cos(to), radius * std::sin(to));
}

bool OutsideClip(const FanRect& clip, const DrawingPoints& points) {
  float xMin = points[0].first, xMax = xMin, yMin = points[0].second, yMax = yMin;
  for (const auto& [x, y] : points) {
    xMin = std::min(xMin, x), xMax = std::max(xMax, x);
    yMin = std::min(yMin, y), yMax = std::max(yMax, y);
  }
  return xMax < clip.xMin || xMin > clip.xMax || yMax < clip.yMin || yMin > clip.yMax;
}

void DrawSector(Canvas& canvas, const FanLayout& layout, const FanSector& sector, CanvasColour colour) {
  DrawingPoints points;
  AddArc(points, sector.outerRadius, sector.fromAngle, sector.toAngle);
  AddArc(points, sector.innerRadius, sector.toAngle, sector.fromAngle);
  if (OutsideClip(layout.clipRect, points)) return;
  std::vector<CanvasPoint> logical;
  logical.reserve(points.size());
  for (const auto& [x, y] : points) logical.push_back(ToLogical(layout, x, y));
  canvas.FillPolygon(logical, colour);
}

}  // namespace

CanvasColour ColourOfPlace(FanColouring colouring, int32_t n) {
  const int g = GenerationOf(n);
  if (g < 2) return kWhite;
  switch (colouring) {
    case FanColouring::Generation:
      return kGenerationColours[std::min<std::size_t>(static_cast<std::size_t>(g - 2), std::size(kGenerationColours) - 1)];
    case FanColouring::Lineage:
      return LineageColour(n);
    case FanColouring::None:
      break;
  }
  return kWhite;
}

std::vector<FanFill> ColouringFills(FanColouring colouring, const std::vector<int32_t>& occupants, int generations) {
  std::vector<FanFill> fills;
  if (colouring == FanColouring::None) return fills;
  const int32_t last = std::min<int32_t>((int32_t{1} << generations) - 1, static_cast<int32_t>(occupants.size()) - 1);
  for (int32_t n = 2; n <= last; ++n) {
    if (occupants[static_cast<std::size_t>(n)] != 0) fills.push_back({n, ColourOfPlace(colouring, n)});
  }
  return fills;
}

void DrawFanFills(Canvas& canvas, const FanLayout& layout, const std::vector<FanFill>& fills) {
  for (const FanFill& fill : fills) {
    DrawSector(canvas, layout, SectorOf(layout.generationCount, layout.ringWidth, fill.number), fill.colour);
  }
}

}  // namespace quenor
