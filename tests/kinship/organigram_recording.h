#pragma once
// An organigram surface that keeps what is drawn with a simple model of text
// widths, and the search for what overlaps in it: two texts, or a text and a
// line that is not its own bar.
#include <algorithm>
#include <string>
#include <vector>

#include "kinship/organigram_painting.h"

namespace quenor::testing {

struct DrawnText {
  int x, y;
  std::string text;
  OrganigramFont font;
  double factor;  // the name size when it was drawn
};

struct DrawnLine {
  int x1, y1, x2, y2;
};

// Every character is `characterWidth` times the font's height wide.
class MeasuringSurface : public OrganigramSurface {
 public:
  MeasuringSurface(int nameHeight, int titleHeight, double characterWidth)
      : nameHeight_(nameHeight), titleHeight_(titleHeight), characterWidth_(characterWidth) {}

  void Text(int x, int y, const std::string& text, OrganigramFont font) override {
    texts.push_back({x, y, text, font, factor});
  }
  void Line(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }
  int NameWidth(const std::string& text, double scale) override {
    return static_cast<int>(characterWidth_ * nameHeight_ * scale * static_cast<double>(text.size()));
  }
  void ScaleNames(double scale) override { factor = scale; }

  int WidthOf(const DrawnText& drawn) const {
    if (drawn.font == OrganigramFont::Title) {
      return static_cast<int>(characterWidth_ * titleHeight_ * static_cast<double>(drawn.text.size()));
    }
    return static_cast<int>(characterWidth_ * nameHeight_ * drawn.factor * static_cast<double>(drawn.text.size()));
  }
  int HeightOf(const DrawnText& drawn, int lineHeight) const {
    return drawn.font == OrganigramFont::Title ? titleHeight_ : lineHeight;
  }
  quenor::NameWidth Measure() {
    return [this](const std::string& text, double scale) { return NameWidth(text, scale); };
  }

  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;
  double factor = 1.0;

 private:
  int nameHeight_;
  int titleHeight_;
  double characterWidth_;
};

struct Box {
  int left, top, right, bottom;
  std::string text;
};

// The boxes of the texts: their width centred on x, a line high from y (the
// title its font high).
inline std::vector<Box> TextBoxes(const MeasuringSurface& surface, int lineHeight) {
  std::vector<Box> boxes;
  for (const DrawnText& drawn : surface.texts) {
    const int width = surface.WidthOf(drawn);
    boxes.push_back({drawn.x - width / 2, drawn.y, drawn.x - width / 2 + width,
                     drawn.y + surface.HeightOf(drawn, lineHeight), drawn.text});
  }
  return boxes;
}

// What overlaps, one text per overlap: texts whose boxes share more than an
// edge, and lines that pass through a box. A box is taken one pixel shorter
// at each end, for the bars that join a name from above or below.
inline std::vector<std::string> Overlaps(const MeasuringSurface& surface, int lineHeight) {
  const std::vector<Box> boxes = TextBoxes(surface, lineHeight);
  std::vector<std::string> found;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Box& a = boxes[i];
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      const Box& b = boxes[j];
      if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
        found.push_back("\"" + a.text + "\" meets \"" + b.text + "\"");
      }
    }
    for (const DrawnLine& line : surface.lines) {
      const int left = std::min(line.x1, line.x2), right = std::max(line.x1, line.x2);
      const int top = std::min(line.y1, line.y2), bottom = std::max(line.y1, line.y2);
      if (left < a.right && a.left < right && top < a.bottom - 1 && a.top + 1 < bottom) {
        found.push_back("\"" + a.text + "\" crossed by a line at (" + std::to_string(line.x1) + ", " +
                        std::to_string(line.y1) + ")");
      }
    }
  }
  return found;
}

}  // namespace quenor::testing
