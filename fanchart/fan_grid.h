#pragma once
// The grid of the fan: radial separators, ring circles, the thick outer
// circle and the base line, drawn on the current page.
#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

void DrawFanGrid(Canvas& canvas, const FanLayout& layout);

}  // namespace quenor
