#pragma once
// The fan's angular layout: the program's circle constant, the persons of a
// generation, rotations of texts and the mapping of drawing units to the
// logical units of a page.
#include <cstdint>

#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

// The program's circle constants, single precision as the chart stores them.
inline constexpr float kFanPi = 3.141592654f;
inline constexpr float kFanTwoPi = 6.283185308f;

// The rings drawn for a number of generations: one less, but 12 for 12.
int RingCountFor(int generations);

// 2^exponent as a single-precision value.
float PowerOfTwo(int exponent);

// The persons of generation g: numbers first..last, mothers' side from mid,
// `step` the angle of one person.
struct GenerationSpan {
  int32_t first = 0;
  int32_t mid = 0;
  int32_t last = 0;
  float step = 0.0f;
};
GenerationSpan SpanOfGeneration(int g);

// Radians to tenths of a degree, with the program's constant; the
// conversion itself is carried in double precision.
double TenthsOfDegree(float radians);
// Radians to degrees, with the program's constant.
double DegreesOf(float radians);

// The escapements handed to the canvas for a text whose reference point is at
// angle t: base line towards the centre (father's side), away from it
// (mother's side), or along the clockwise tangent (a letter of a side title).
int PaternalEscapement(float t);
int MaternalEscapement(float t);
int SideTitleEscapement(float t);

// The text style every chart starts from, its height left to each text.
TextStyle ChartTextStyle();

// The logical point of a drawing point on the current page.
CanvasPoint ToLogical(const FanLayout& layout, float x, float y);
// A length in drawing units as logical units, truncated.
int ToLogicalLength(const FanLayout& layout, double length);

// True when (x, y) lies inside the clip rectangle widened by `margin`.
bool InsideClip(const FanLayout& layout, float x, float y, float margin);

}  // namespace quenor
