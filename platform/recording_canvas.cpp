#include "platform/recording_canvas.h"

#include <cmath>
#include <cstdlib>

namespace quenor {

CanvasPen RecordingCanvas::SelectPen(const CanvasPen& pen) {
  ++penSelections;
  CanvasPen previous = pen_;
  pen_ = pen;
  return previous;
}

FontDescription RecordingCanvas::SelectFont(const FontDescription& font) {
  ++fontSelections;
  FontDescription previous = font_;
  font_ = font;
  return previous;
}

int RecordingCanvas::TextWidth(const std::string& text) {
  return static_cast<int>(std::lround(text.size() * std::abs(font_.height) * characterWidth_));
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
  texts.push_back({x, y, text, font_, alignment_, transparent_});
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  lines.push_back({x1, y1, x2, y2, pen_});
}

void RecordingCanvas::DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) {
  arcs.push_back({left, top, right, bottom, start, end});
}

void RecordingCanvas::DrawRectangle(int left, int top, int right, int bottom) {
  DrawLine(left, top, right, top);
  DrawLine(right, top, right, bottom);
  DrawLine(right, bottom, left, bottom);
  DrawLine(left, bottom, left, top);
}

void RecordingCanvas::FillPolygon(const std::vector<CanvasPoint>& points, CanvasColour fill) {
  polygons.push_back({points, fill});
}

}  // namespace quenor
