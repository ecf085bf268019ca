#include "fanchart/fan_sectors.h"

#include <algorithm>
#include <cmath>

#include "ancestry/ancestor_table.h"
#include "fanchart/fan_geometry.h"

namespace quenor {
namespace {

constexpr int kDoubledGeneration = 12;
constexpr int32_t kFirstCouple = 1024;
constexpr int32_t kLastCouple = 2047;
constexpr int32_t kFirstMaternalCouple = 1536;
constexpr double kPi = 3.14159265358979323846;

// In generation 12 the husband is written outwards on the father's side and
// inwards on the mother's side.
bool OuterSpouseIsHusband(int32_t couple) { return couple < kFirstMaternalCouple; }

FanSector CoupleHalfOf(float ringWidth, int32_t n) {
  const int32_t couple = n / 2;
  const bool husband = n % 2 == 0;
  const float step = kFanTwoPi / PowerOfTwo(kDoubledGeneration);  // one person's angle
  const float inner = 10.0f * ringWidth, outer = 12.0f * ringWidth, middle = 11.0f * ringWidth;
  FanSector sector;
  sector.fromAngle = static_cast<float>(kLastCouple - couple) * 2.0f * step;
  sector.toAngle = sector.fromAngle + 2.0f * step;
  const bool outerHalf = husband == OuterSpouseIsHusband(couple);
  sector.innerRadius = outerHalf ? middle : inner;
  sector.outerRadius = outerHalf ? outer : middle;
  return sector;
}

}  // namespace

FanSector SectorOf(int generations, float ringWidth, int32_t n) {
  const int g = GenerationOf(n);
  if (generations == kDoubledGeneration && g == kDoubledGeneration) return CoupleHalfOf(ringWidth, n);
  const GenerationSpan span = SpanOfGeneration(g);
  FanSector sector;
  sector.innerRadius = static_cast<float>(g - 2) * ringWidth;
  sector.outerRadius = static_cast<float>(g - 1) * ringWidth;
  sector.fromAngle = static_cast<float>(span.last - n) * span.step;
  sector.toAngle = sector.fromAngle + span.step;
  return sector;
}

int32_t NumberAt(int generations, float ringWidth, double x, double y) {
  if (y < 0.0 || generations < 2) return 0;
  const double r = std::hypot(x, y);
  const double outerEdge = RingCountFor(generations) * static_cast<double>(ringWidth);
  if (r >= outerEdge) return 0;
  const double angle = std::atan2(y, x);  // 0 to pi
  int g = static_cast<int>(r / ringWidth) + 2;
  if (generations == kDoubledGeneration && g >= kDoubledGeneration) {
    const int32_t fromRight = static_cast<int32_t>(angle / (kPi / kFirstCouple));
    const int32_t couple = std::clamp(kLastCouple - fromRight, kFirstCouple, kLastCouple);
    const bool outerHalf = r >= 11.0 * ringWidth;
    const bool husband = outerHalf == OuterSpouseIsHusband(couple);
    return 2 * couple + (husband ? 0 : 1);
  }
  if (g > generations) return 0;
  const int32_t first = int32_t{1} << (g - 1), last = 2 * first - 1;
  const double step = 2.0 * kPi / (2.0 * first);
  const int32_t fromRight = static_cast<int32_t>(angle / step);
  return std::clamp(last - fromRight, first, last);
}

}  // namespace quenor
