#include "fanchart/page_sketch.h"

namespace quenor {

PageSketch SketchPages(int cx, int cy, int across, int down, double pageWidth, double pageHeight) {
  PageSketch sketch;
  sketch.paperLeft = static_cast<int>(cx - across * pageWidth - 1);
  sketch.paperBottom = static_cast<int>(cy + down * pageHeight + 1);
  sketch.paperRight = static_cast<int>(cx + across * pageWidth + 1);
  sketch.paperTop = static_cast<int>(cy - down * pageHeight - 1);
  for (int i = 1; i <= across - 1; ++i) {
    int x = static_cast<int>(cx - (across - 2 * i) * pageWidth);
    sketch.separators.push_back({x, static_cast<int>(cy + down * pageHeight), x,
                                 static_cast<int>(cy - down * pageHeight)});
  }
  for (int i = 1; i <= down - 1; ++i) {
    int y = static_cast<int>(cy + (down - 2 * i) * pageHeight);
    sketch.separators.push_back({static_cast<int>(cx - across * pageWidth - 1), y,
                                 static_cast<int>(cx + across * pageWidth), y});
  }
  return sketch;
}

FanSketchArc SketchFanOutline(int cx, int cy, double drawingWidth, double drawingHeight) {
  FanSketchArc arc;
  arc.radius = static_cast<int>(drawingWidth);
  arc.centreX = cx;
  arc.centreY = cy + static_cast<int>(drawingHeight) - 2;
  return arc;
}

std::vector<SketchLine> SketchOrganigramOutline(int cx, int cy, double drawingWidth,
                                                double drawingHeight) {
  int halfWidth = static_cast<int>(drawingWidth);
  int bottom = static_cast<int>(cy + drawingHeight);
  int top = static_cast<int>(cy - drawingHeight - 1);
  return {
      {cx - halfWidth, bottom, cx + halfWidth, bottom},
      {cx + halfWidth, bottom, cx + halfWidth, top},
      {cx + halfWidth, top, cx - halfWidth - 1, top},
      {cx - halfWidth - 1, top, cx - halfWidth - 1, bottom},
  };
}

}  // namespace quenor
