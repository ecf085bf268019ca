#pragma once
// One page of the fan chart drawn from the session: the colours of the boxes
// (when asked for), grid, page outline (on screen), frame texts and persons,
// in that order.
#include "platform/canvas.h"

namespace quenor {

class CancelPoll;
class Session;

// Draws the current page of session.fan (already mapped) on `canvas`. The
// dashed page outline is drawn in preview mode only.
void DrawFanPage(Canvas& canvas, Session& session, CancelPoll* poll = nullptr);

// Prints the page of `row` and `column` on a printer canvas of
// `printableWidth` by `printableHeight` pixels: the rotations follow the
// "Angles inversés" setting, codes are drawn, then the joining marks.
void PrintFanPage(Canvas& canvas, Session& session, int row, int column, int printableWidth, int printableHeight,
                  CancelPoll* poll = nullptr);

}  // namespace quenor
