#pragma once
// The texts around the fan: the Stradonitz codes of every box (on paper
// only), the legend and footer, the statistics, the first-number line, the
// note, the probant line and the two side titles.
#include "fanchart/fan_layout.h"
#include "fanchart/fan_statistics.h"
#include "platform/canvas.h"
#include "platform/clock.h"

namespace quenor {

struct FanFrameFacts {
  FanStatistics statistics;  // of the probant's own ancestors
  CalendarDate today;        // UTC date the chart is produced
};

// Sets the base-line-centre alignment and the transparent background that
// the person texts rely on, then draws the frame texts of the current page.
void DrawFanFrame(Canvas& canvas, FanLayout& layout, const FanFrameFacts& facts);

}  // namespace quenor
