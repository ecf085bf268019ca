#pragma once
// Paints the page sketch of the parameter dialogs: the paper with the
// default pen, the page separators in light grey.
#include "fanchart/page_sketch.h"

class QPainter;

namespace quenor {

void PaintPageSketch(QPainter& painter, const PageSketch& sketch);
void PaintFanOutline(QPainter& painter, const FanSketchArc& arc);
void PaintSketchLines(QPainter& painter, const std::vector<SketchLine>& lines);

}  // namespace quenor
