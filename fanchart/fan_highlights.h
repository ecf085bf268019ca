#pragma once
// Places of the fan marked for the eye: every place of each ancestor who
// appears more than once, in a colour of his own, and every place of one
// chosen ancestor.
#include <cstdint>
#include <vector>

#include "fanchart/fan_fills.h"

namespace quenor {

// The colour every place of the ancestor the mouse is on takes.
inline constexpr CanvasColour kChosenAncestorColour = RgbColour(255, 214, 64);

// The places 2 to 2^generations - 1 of `occupants` whose person appears
// there more than once; all the places of one person have the same colour,
// persons who follow one another in the chart have different ones.
std::vector<FanFill> RepeatedAncestorFills(const std::vector<int32_t>& occupants, int generations);

// Every place of individual `person` among 2 to 2^generations - 1.
std::vector<FanFill> PersonFills(const std::vector<int32_t>& occupants, int generations, int32_t person,
                                 CanvasColour colour);

// How many places of the chart hold `person`.
int PlacesOf(const std::vector<int32_t>& occupants, int generations, int32_t person);

}  // namespace quenor
