#include "fanchart/fan_text.h"

#include "fanchart/fan_geometry.h"

namespace quenor {

void SetTextAngle(FanLayout& layout, int escapement) {
  const int e = layout.anglesInverted ? -escapement : escapement;
  layout.textStyle.escapement = e;
  layout.textStyle.orientation = e;
}

void DrawStyledText(Canvas& canvas, const FanLayout& layout, float x, float y, const std::string& text) {
  const FontDescription previous = canvas.SelectFont(layout.textStyle);
  const CanvasPoint at = ToLogical(layout, x, y);
  canvas.DrawText(at.x, at.y, text);
  canvas.SelectFont(previous);
}

int StyledTextWidth(Canvas& canvas, const FanLayout& layout, const std::string& text) {
  const FontDescription previous = canvas.SelectFont(layout.textStyle);
  const int width = canvas.TextWidth(text);
  canvas.SelectFont(previous);
  return width;
}

}  // namespace quenor
