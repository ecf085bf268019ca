#pragma once
// The small sketch of the printed pages that the parameter dialogs draw at
// 2 pixels per inch of paper: the paper, the light grey page separators and
// the outline of the drawing.
#include <vector>

namespace quenor {

struct SketchLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PageSketch {
  // The paper rectangle, corners as given (left, bottom) and (right, top).
  int paperLeft = 0, paperBottom = 0, paperRight = 0, paperTop = 0;
  std::vector<SketchLine> separators;  // light grey, solid, 1 pixel
};

// The paper of `across` by `down` pages of pageWidth by pageHeight inches
// around the point (cx, cy) of the dialog.
PageSketch SketchPages(int cx, int cy, int across, int down, double pageWidth, double pageHeight);

// The fan's outline: the upper half of the circle of this radius and centre.
struct FanSketchArc {
  int centreX = 0, centreY = 0, radius = 0;
};
FanSketchArc SketchFanOutline(int cx, int cy, double drawingWidth, double drawingHeight);

// The organigram's outline, a closed path of five points.
std::vector<SketchLine> SketchOrganigramOutline(int cx, int cy, double drawingWidth,
                                                double drawingHeight);

}  // namespace quenor
