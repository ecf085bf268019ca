#pragma once
// Dashed and dotted pens that look on paper as they do on a screen.
#include <QList>
#include <QPaintDevice>

namespace quenor {

// The dash pattern (in pen widths, as QPen counts it) of dashes or dots as
// long on `device` as Qt's own on a 96-dot screen: at 1200 dots an inch,
// dashes of a few pixels would run together into a plain line.
// `widthInPixels` is the pen's width on the device (1 for a cosmetic pen).
QList<qreal> DashPatternFor(const QPaintDevice* device, bool dotted, double widthInPixels);

}  // namespace quenor
