#include "fanchart/fan_persons.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "fanchart/fan_text.h"

namespace quenor {
namespace {

// The husband on the father's side and the wife on the mother's side lie
// farther from the fan's vertical axis than their spouse.
int FartherSpouse(int32_t n, int32_t mid) {
  const bool husband = n % 2 == 0;
  return husband == (n < mid) ? 1 : 0;
}

// Splits a name with a blank after its first character at its last blank.
bool SplitAtLastBlank(const std::string& name, std::string& givenNames, std::string& surname) {
  const std::size_t blank = name.size() > 1 ? name.rfind(' ') : std::string::npos;
  if (blank == std::string::npos || blank == 0) return false;
  givenNames = name.substr(0, blank);
  surname = name.substr(blank + 1);
  return true;
}

void DrawSplitLayout(Canvas& canvas, FanLayout& layout, const AncestorLine& line, RadialPlacement place) {
  const std::string& side = SideText(line);
  const float b = static_cast<float>(FartherSpouse(line.number, place.span.mid));
  const float h = place.height;
  std::string given, surname;
  if (SplitAtLastBlank(line.name, given, surname)) {
    place.fraction = 0.8f - 0.3f * b;
    DrawRadialText(canvas, layout, place, given);
    place.fraction = 0.5f - 0.3f * b;
    DrawRadialText(canvas, layout, place, surname);
  } else {
    place.fraction = 0.7f - 0.3f * b;
    DrawRadialText(canvas, layout, place, line.name);
  }
  if (side.empty()) return;
  place.fraction = 0.15f + 0.7f * b;
  place.height = 0.9f * h;
  place.italic = true;
  DrawRadialText(canvas, layout, place, side);
}

void DrawWholeNameLayout(Canvas& canvas, FanLayout& layout, const AncestorLine& line, RadialPlacement place) {
  const std::string& side = SideText(line);
  const float b = static_cast<float>(FartherSpouse(line.number, place.span.mid));
  place.fraction = 0.72f - 0.44f * b;
  DrawRadialText(canvas, layout, place, line.name);
  if (side.empty()) return;
  place.fraction = 0.23f + 0.54f * b;
  place.height = 0.9f * place.height;
  place.italic = true;
  DrawRadialText(canvas, layout, place, side);
}

// Generations 10 and 11: name and marriage text on one ray.
void DrawOuterLayout(Canvas& canvas, FanLayout& layout, const AncestorLine& line, RadialPlacement place,
                     float rhoMid) {
  const std::string& side = SideText(line);
  const float b = static_cast<float>(FartherSpouse(line.number, place.span.mid));
  place.fraction = 0.46f + 0.1f * b;
  place.maxLength = 1.3;
  place.rhoPaternal = rhoMid + 0.4f;
  place.rhoMaternal = rhoMid - 0.55f;
  DrawRadialText(canvas, layout, place, line.name);
  if (side.empty()) return;
  place.height = 0.9f * place.height;
  place.maxLength = 0.9;
  place.rhoPaternal = rhoMid - 0.75f;
  place.rhoMaternal = line.generation == 10 ? rhoMid + 0.6f : rhoMid + 0.5f;
  place.italic = true;
  DrawRadialText(canvas, layout, place, side);
}

// Generation 12: both spouses on the middle ray of their couple's box.
void DrawCoupleBoxLayout(Canvas& canvas, FanLayout& layout, const AncestorLine& line) {
  RadialPlacement place;
  place.number = line.number / 2;
  place.span = GenerationSpan{1024, 1536, 2047, 2.0f * SpanOfGeneration(12).step};
  place.fraction = 0.5f;
  place.height = 0.09f;
  place.maxLength = 1.4;
  const bool husband = line.number % 2 == 0;
  place.rhoPaternal = husband ? 29.1f : 25.9f;
  place.rhoMaternal = husband ? 25.9f : 29.1f;
  DrawRadialText(canvas, layout, place, line.name);
  const std::string& side = SideText(line);
  if (side.empty()) return;
  place.height = 0.081f;
  place.maxLength = 1.2;
  place.rhoPaternal = husband ? 28.17f : 27.2f;
  place.rhoMaternal = husband ? 26.83f : 27.8f;
  place.italic = true;
  DrawRadialText(canvas, layout, place, side);
}

// A horizontal text of the parents, shrunk to `maxLength` when wider.
void DrawParentText(Canvas& canvas, FanLayout& layout, float x, float y, double height, double maxLength,
                    const std::string& text) {
  const double k = layout.unitsPerInch;
  layout.textStyle.height = static_cast<int>(height * k);
  const int width = StyledTextWidth(canvas, layout, text);
  const int limit = ToLogicalLength(layout, maxLength);
  if (width > limit) layout.textStyle.height = static_cast<int>(height * k * limit / width);
  DrawStyledText(canvas, layout, x, y, text);
}

bool WithinParentClip(const FanLayout& layout, float x, float rightMargin) {
  return x > layout.clipRect.xMin - 1.25f && x < layout.clipRect.xMax + rightMargin;
}

// Generation 2: the parents, horizontal, in the inner half-disc.
void DrawParentsLayout(Canvas& canvas, FanLayout& layout, const AncestorLine& line) {
  const float sigma = line.number == 2 ? -1.0f : 1.0f;
  SetTextAngle(layout, 0);
  std::string given, surname;
  if (SplitAtLastBlank(line.name, given, surname)) {
    if (WithinParentClip(layout, sigma, 1.25f)) DrawParentText(canvas, layout, sigma * 1.0f, 1.3f, 0.3, 2.0, given);
    if (WithinParentClip(layout, sigma * 1.18f, 1.125f))
      DrawParentText(canvas, layout, sigma * 1.18f, 0.82f, 0.3, 2.25, surname);
  } else if (WithinParentClip(layout, sigma * 1.1f, 1.25f)) {
    DrawParentText(canvas, layout, sigma * 1.1f, 1.1f, 0.3, 2.2, line.name);
  }
  if (!WithinParentClip(layout, sigma * 1.25f, 1.25f)) return;
  layout.textStyle.italic = true;
  DrawParentText(canvas, layout, sigma * 1.25f, 0.375f, 0.27, 2.2, SideText(line));
  layout.textStyle.italic = false;
}

// Reads the ancestry list in pieces of at most 127 characters, as lines.
class ListReader {
 public:
  explicit ListReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
  ~ListReader() {
    if (file_) std::fclose(file_);
  }
  ListReader(const ListReader&) = delete;
  ListReader& operator=(const ListReader&) = delete;
  bool IsOpen() const { return file_ != nullptr; }
  bool Next(std::string& line) {
    char buffer[kListLineLimit + 1];
    if (!std::fgets(buffer, sizeof buffer, file_)) return false;
    line.assign(buffer);
    return true;
  }

 private:
  std::FILE* file_;
};

}  // namespace

void DrawRadialText(Canvas& canvas, FanLayout& layout, const RadialPlacement& place, const std::string& text) {
  float x, y;
  int escapement;
  if (place.number < place.span.mid) {
    const float rho = place.rhoPaternal;
    const float t = (static_cast<float>(place.number - place.span.first) + place.fraction) * place.span.step -
                    std::asin((1.0f / 3.0f) * place.height / rho);
    x = -rho * std::cos(t);
    y = rho * std::sin(t);
    escapement = static_cast<int>(TenthsOfDegree(t));
  } else {
    const float rho = place.rhoMaternal;
    const float t = (static_cast<float>(place.span.last - place.number) + place.fraction) * place.span.step -
                    std::asin((1.0f / 3.0f) * place.height / rho);
    x = rho * std::cos(t);
    y = rho * std::sin(t);
    escapement = -static_cast<int>(TenthsOfDegree(t));
  }
  // The place does not depend on the height, so a text far outside the page
  // is left out before it is measured.
  if (!InsideClip(layout, x, y, 1.25f)) return;
  const double k = layout.unitsPerInch;
  layout.textStyle.italic = place.italic;
  layout.textStyle.height = static_cast<int>(place.height * k);
  const int width = StyledTextWidth(canvas, layout, text);
  const int limit = static_cast<int>(place.maxLength * k);
  if (width > limit) layout.textStyle.height = static_cast<int>(place.height * k * limit / width);
  SetTextAngle(layout, escapement);
  DrawStyledText(canvas, layout, x, y, text);
  layout.textStyle.italic = false;
}

void DrawPersonTexts(Canvas& canvas, FanLayout& layout, const AncestorLine& line) {
  const int g = line.generation;
  if (g == 2) return DrawParentsLayout(canvas, layout, line);
  if (g == 12) return DrawCoupleBoxLayout(canvas, layout, line);
  RadialPlacement place;
  place.number = line.number;
  place.span = SpanOfGeneration(g);
  const float rhoMid = (static_cast<float>(g) - 1.5f) * layout.ringWidth;
  place.rhoPaternal = place.rhoMaternal = rhoMid;
  place.maxLength = 2.4;
  if (g <= 8) {
    place.height = 0.38f - 0.03f * static_cast<float>(g);
    DrawSplitLayout(canvas, layout, line, place);
  } else if (g == 9) {
    place.height = 0.12f;
    DrawWholeNameLayout(canvas, layout, line, place);
  } else {
    place.height = g == 10 ? 0.12f : 0.09f;
    DrawOuterLayout(canvas, layout, line, place, rhoMid);
  }
}

void DrawFanPersons(Canvas& canvas, FanLayout& layout, const std::string& listPath, CancelPoll* poll) {
  const int32_t limit = (int32_t{1} << layout.generationCount) - 1;
  ListReader reader(listPath);
  if (!reader.IsOpen()) return;
  std::string text;
  while (layout.drawingActive && reader.Next(text)) {
    if (poll && poll->CancelClicked()) {
      layout.drawingActive = false;
      break;
    }
    const AncestorLine line = ReadDrawingLine(text);
    if (line.number < 2) continue;
    if (line.number > limit) break;
    DrawPersonTexts(canvas, layout, line);
  }
}

}  // namespace quenor
