#pragma once
// The canvas on a QPainter: the screen, the printer, PDF and SVG files. The
// painter's own transformation is the device; the canvas keeps the
// isotropic logical-to-device mapping itself.
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QString>

#include "platform/canvas.h"
#include "platform/isotropic_mapping.h"

namespace quenor {

// Maps the faces the program asks for to faces found on this system:
// "Times New Roman" to its metric twin, "GothicE" to a blackletter face.
void InstallFontSubstitutions();

class QPainterCanvas : public Canvas {
 public:
  explicit QPainterCanvas(QPainter& painter);

  // Changing the scale changes the device width of the selected pen.
  void SetWindowExtent(int cx, int cy) override;
  void SetWindowOrigin(int x, int y) override { mapping_.SetWindowOrigin(x, y); }
  void SetViewportExtent(int cx, int cy) override;
  void SetViewportOrigin(int x, int y) override { mapping_.SetViewportOrigin(x, y); }
  CanvasPoint WindowExtent() const override { return mapping_.WindowExtent(); }
  CanvasPoint ViewportExtent() const override { return mapping_.ViewportExtent(); }
  CanvasPoint DeviceToLogical(CanvasPoint device) const override { return mapping_.DeviceToLogical(device); }

  CanvasPen SelectPen(const CanvasPen& pen) override;
  FontDescription SelectFont(const FontDescription& font) override;
  void SetTextAlignment(TextAlignment alignment) override { alignment_ = alignment; }
  void SetTransparentBackground(bool transparent) override;

  int TextWidth(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;

 private:
  QPointF ToDevice(double x, double y) const { return {mapping_.DeviceX(x), mapping_.DeviceY(y)}; }
  // The selected font at its size in logical units.
  const QFont& LogicalFont();
  void ApplyPen();

  QPainter& painter_;
  IsotropicMapping mapping_;
  CanvasPen pen_;
  FontDescription font_;
  QFont qfont_;
  bool qfontValid_ = false;
  QHash<QString, double> emPerCell_;  // by face, weight and slant
  TextAlignment alignment_ = TextAlignment::TopLeft;
};

}  // namespace quenor
