#include "fanchart/window/sketch_painter.h"

#include <QPainter>

namespace quenor {

void PaintPageSketch(QPainter& painter, const PageSketch& sketch) {
  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::white);
  QRect paper(QPoint(sketch.paperLeft, sketch.paperTop), QPoint(sketch.paperRight, sketch.paperBottom));
  painter.drawRect(paper.normalized());
  painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0));
  PaintSketchLines(painter, sketch.separators);
  painter.restore();
}

void PaintFanOutline(QPainter& painter, const FanSketchArc& arc) {
  QRect circle(arc.centreX - arc.radius, arc.centreY - arc.radius, 2 * arc.radius, 2 * arc.radius);
  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(circle, 0, 180 * 16);  // counter-clockwise from the right to the left
  painter.restore();
}

void PaintSketchLines(QPainter& painter, const std::vector<SketchLine>& lines) {
  for (const SketchLine& line : lines) painter.drawLine(line.x1, line.y1, line.x2, line.y2);
}

}  // namespace quenor
