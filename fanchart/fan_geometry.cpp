#include "fanchart/fan_geometry.h"

#include <cmath>

namespace quenor {

int RingCountFor(int generations) { return generations == 12 ? 12 : generations - 1; }

float PowerOfTwo(int exponent) { return static_cast<float>(std::pow(2.0, exponent)); }

GenerationSpan SpanOfGeneration(int g) {
  GenerationSpan span;
  span.first = static_cast<int32_t>(PowerOfTwo(g - 1));
  span.last = 2 * span.first - 1;
  span.mid = static_cast<int32_t>(1.5f * span.first);
  span.step = kFanTwoPi / PowerOfTwo(g);
  return span;
}

namespace {
constexpr double kPiLiteral = 3.141592654;
}  // namespace

double TenthsOfDegree(float radians) { return radians * 1800.0 * (1.0 / kPiLiteral); }

double DegreesOf(float radians) { return radians * 180.0 * (1.0 / kPiLiteral); }

int PaternalEscapement(float t) { return -static_cast<int>(TenthsOfDegree(t) + 1800.0); }

int MaternalEscapement(float t) { return -static_cast<int>(TenthsOfDegree(t)); }

int SideTitleEscapement(float t) { return -static_cast<int>(TenthsOfDegree(t) - 900.0); }

TextStyle ChartTextStyle() {
  TextStyle style;
  style.height = 0;
  style.width = 0;
  style.escapement = 0;
  style.orientation = 0;
  style.weight = 100;
  style.italic = false;
  style.underline = false;
  style.strikeOut = false;
  style.charSet = 0;
  style.outputPrecision = 7;  // TrueType faces only
  style.clipPrecision = 0;
  style.quality = 2;          // proof
  style.pitchAndFamily = 0;
  style.face = "Times New Roman";
  return style;
}

CanvasPoint ToLogical(const FanLayout& layout, float x, float y) {
  const float k = static_cast<float>(layout.unitsPerInch);
  return {static_cast<int>((x - layout.pageRect.xMin) * k), static_cast<int>((y - layout.pageRect.yMin) * k)};
}

int ToLogicalLength(const FanLayout& layout, double length) {
  return static_cast<int>(length * layout.unitsPerInch);
}

bool InsideClip(const FanLayout& layout, float x, float y, float margin) {
  const FanRect& clip = layout.clipRect;
  return x >= clip.xMin - margin && x <= clip.xMax + margin && y >= clip.yMin - margin &&
         y <= clip.yMax + margin;
}

}  // namespace quenor
