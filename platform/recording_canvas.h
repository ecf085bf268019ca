#pragma once
// A canvas that keeps what was drawn on it, for tests and measurements.
// Text widths follow a simple model: every character is `characterWidth`
// times the font height wide.
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/isotropic_mapping.h"

namespace quenor {

struct RecordedLine {
  int x1, y1, x2, y2;
  CanvasPen pen;
};

struct RecordedText {
  int x, y;
  std::string text;
  FontDescription font;
  TextAlignment alignment;
  bool transparent;
};

struct RecordedArc {
  int left, top, right, bottom;
  CanvasPoint start, end;
};

struct RecordedPolygon {
  std::vector<CanvasPoint> points;
  CanvasColour fill;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(double characterWidth = 0.5) : characterWidth_(characterWidth) {}

  void SetWindowExtent(int cx, int cy) override { mapping_.SetWindowExtent(cx, cy); }
  void SetWindowOrigin(int x, int y) override { mapping_.SetWindowOrigin(x, y); }
  void SetViewportExtent(int cx, int cy) override { mapping_.SetViewportExtent(cx, cy); }
  void SetViewportOrigin(int x, int y) override { mapping_.SetViewportOrigin(x, y); }
  CanvasPoint WindowExtent() const override { return mapping_.WindowExtent(); }
  CanvasPoint ViewportExtent() const override { return mapping_.ViewportExtent(); }
  CanvasPoint DeviceToLogical(CanvasPoint device) const override { return mapping_.DeviceToLogical(device); }
  const IsotropicMapping& Mapping() const { return mapping_; }

  CanvasPen SelectPen(const CanvasPen& pen) override;
  FontDescription SelectFont(const FontDescription& font) override;
  void SetTextAlignment(TextAlignment alignment) override { alignment_ = alignment; }
  void SetTransparentBackground(bool transparent) override { transparent_ = transparent; }

  int TextWidth(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;
  void FillPolygon(const std::vector<CanvasPoint>& points, CanvasColour fill) override;

  const CanvasPen& Pen() const { return pen_; }
  const FontDescription& Font() const { return font_; }

  std::vector<RecordedLine> lines;
  std::vector<RecordedText> texts;
  std::vector<RecordedArc> arcs;
  std::vector<RecordedPolygon> polygons;
  int penSelections = 0;
  int fontSelections = 0;

 private:
  double characterWidth_;
  IsotropicMapping mapping_;
  CanvasPen pen_;
  FontDescription font_;
  TextAlignment alignment_ = TextAlignment::TopLeft;
  bool transparent_ = false;
};

}  // namespace quenor
