#pragma once
// Boxes of the fan filled with colour, under the grid and the texts: the
// colours of a coloured poster, or the places of the ancestors that the
// interactive chart marks.
#include <cstdint>
#include <vector>

#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

// The Stradonitz number of a place and its colour.
struct FanFill {
  int32_t number = 0;
  CanvasColour colour = 0xFFFFFF;
};

// The colour of place n under `colouring`: by generation, one light colour
// per ring; by lineage, blues and greens for the father's side, oranges and
// pinks for the mother's, one per grandparent, every other ring lighter.
// White for FanColouring::None.
CanvasColour ColourOfPlace(FanColouring colouring, int32_t n);

// The fills of a coloured chart: every place of `occupants` (individual
// numbers by Stradonitz number, 0 for an empty place) that holds a person,
// from 2 to 2^generations - 1. None for FanColouring::None.
std::vector<FanFill> ColouringFills(FanColouring colouring, const std::vector<int32_t>& occupants,
                                    int generations);

// Paints each fill's sector on the current page (the parts inside the clip
// rectangle), with no outline.
void DrawFanFills(Canvas& canvas, const FanLayout& layout, const std::vector<FanFill>& fills);

}  // namespace quenor
