#pragma once
// Drawing one text of the fan: a font made from the shared text style is
// selected for that text only.
#include <string>

#include "fanchart/fan_layout.h"
#include "platform/canvas.h"

namespace quenor {

// Sets the escapement and orientation of the style, handed the other way
// when the layout asks for inverted angles.
void SetTextAngle(FanLayout& layout, int escapement);

// Draws `text` with the layout's text style at the drawing point (x, y).
void DrawStyledText(Canvas& canvas, const FanLayout& layout, float x, float y, const std::string& text);

// Width of `text` in logical units with the layout's text style.
int StyledTextWidth(Canvas& canvas, const FanLayout& layout, const std::string& text);

}  // namespace quenor
