#pragma once
// The place of each ancestor in the fan: the ring and the angles of his
// sector, and the other way round, the ancestor whose place holds a point.
// Generation 12 has couples' boxes twice as deep, cut across: the spouse
// written farther out holds the outer half.
#include <cstdint>

#include "fanchart/fan_layout.h"

namespace quenor {

// A part of a ring, in drawing units and radians (counter-clockwise from
// the positive x axis).
struct FanSector {
  float innerRadius = 0.0f;
  float outerRadius = 0.0f;
  float fromAngle = 0.0f;
  float toAngle = 0.0f;
};

// The sector of Stradonitz number n (2 to 2^generations - 1) in a chart of
// `generations` generations.
FanSector SectorOf(int generations, float ringWidth, int32_t n);

// The Stradonitz number whose sector holds the drawing point (x, y), or 0
// outside the fan (below its base line, beyond its outer edge).
int32_t NumberAt(int generations, float ringWidth, double x, double y);

}  // namespace quenor
