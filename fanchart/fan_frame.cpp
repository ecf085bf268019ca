#include "fanchart/fan_frame.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "fanchart/fan_geometry.h"
#include "fanchart/fan_text.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

using namespace literals;

constexpr double kSmallTextHeight = 0.09;
constexpr float kPaternalTitleCentre = 2.3561944905f;  // 3 pi / 4
constexpr float kMaternalTitleCentre = 0.7853981635f;  // pi / 4

void SetHeight(FanLayout& layout, double height) { layout.textStyle.height = ToLogicalLength(layout, height); }

// The code of person n of generation g, renumbered from the first number.
std::string CodeText(const FanLayout& layout, int32_t n, int g) {
  long long code = n;
  if (layout.firstStradonitz > 1)
    code = static_cast<long long>(PowerOfTwo(g - 1) * static_cast<float>(layout.firstStradonitz - 1) +
                                  static_cast<float>(n));
  return std::to_string(code);
}

void DrawCodesOfGeneration(Canvas& canvas, FanLayout& layout, int g) {
  const float a0 = 1.1f * kFanTwoPi / 4096.0f;
  const float o = g > 10 ? a0 : a0 * 1.1f * 10.0f / static_cast<float>(g - 1);
  const GenerationSpan span = SpanOfGeneration(g);
  const float r0 = static_cast<float>(g - 1) * layout.ringWidth - 0.1f;
  const float half = static_cast<float>(std::asin((1.0 / 3.0) * kSmallTextHeight / r0));
  for (int32_t n = span.first; n <= span.last; ++n) {
    const bool husband = n % 2 == 0;
    const bool paternal = n < span.mid;
    float t = static_cast<float>(span.last - n) * span.step;
    t = husband ? t + span.step - o : t + o;
    if (paternal) {
      SetTextAngle(layout, PaternalEscapement(t));
      t = t + half;
    } else {
      SetTextAngle(layout, MaternalEscapement(t));
      t = t - half;
    }
    float r = r0;
    if (g == 12) r = husband == paternal ? 12.0f * layout.ringWidth - 0.08f : 10.0f * layout.ringWidth + 0.1f;
    const float x = r * std::cos(t), y = r * std::sin(t);
    if (!InsideClip(layout, x, y, 0.1f)) continue;
    DrawStyledText(canvas, layout, x, y, CodeText(layout, n, g));
  }
}

void DrawCodes(Canvas& canvas, FanLayout& layout) {
  for (int g = 2; g <= layout.generationCount; ++g) DrawCodesOfGeneration(canvas, layout, g);
}

float GenerationSpanWidth(const FanLayout& layout) {
  return static_cast<float>(layout.generationCount) * layout.ringWidth;
}

void DrawLegend(Canvas& canvas, FanLayout& layout, const CalendarDate& today) {
  char production[80];
  std::snprintf(production, sizeof production, "Produit le %04d-%02d-%02d par le logiciel Quenor", today.year,
                today.month, today.day);
  const std::string lines[] = {
      "Chaque case constitue un mariage et contient:"_ansi,
      "les noms des conjoints, la date et le lieu du mariage,"_ansi,
      "ainsi que le code Stradonitz de chaque conjoint."_ansi,
      production,
      "Conception graphique de l'éventail : l'auteur de Quenor"_ansi,
  };
  const float x = 3.75f - GenerationSpanWidth(layout);
  for (int i = 0; i < 5; ++i)
    DrawStyledText(canvas, layout, x, -0.15f - 0.1f * static_cast<float>(i) - 0.03f, lines[i]);
}

void DrawStatistics(Canvas& canvas, FanLayout& layout, const FanStatistics& stats) {
  if (stats.total <= 0) return;
  const float x = 6.25f - GenerationSpanWidth(layout);
  DrawStyledText(canvas, layout, x, -0.18f, "Le tableau contient "_ansi + FormatCount(stats.total) + " ascendants");
  char completeness[32];
  std::snprintf(completeness, sizeof completeness, "%.1f", stats.total * 100.0 / stats.possible);
  DrawStyledText(canvas, layout, x, -0.28f,
                 "sur une possibilité de "_ansi + FormatCount(stats.possible) + ", soit une complétude de "_ansi +
                     completeness + "%");
  if (stats.repeated <= 0) return;
  DrawStyledText(canvas, layout, x, -0.38f,
                 "Ces ascendants sont constitués de "_ansi + FormatCount(stats.distinct) + " individus différents"_ansi);
  const std::string repeatedLine = stats.repeated == 1
                                       ? "dont un apparaît plus d'une fois."_ansi
                                       : "dont "_ansi + FormatCount(stats.repeated) + " apparaissent plus d'une fois."_ansi;
  DrawStyledText(canvas, layout, x, -0.48f, repeatedLine);
}

void DrawFirstNumberLine(Canvas& canvas, FanLayout& layout) {
  if (layout.firstStradonitz <= 1) return;
  DrawStyledText(canvas, layout, GenerationSpanWidth(layout) - 6.25f, -0.18f,
                 "Ascendance à partir du code Stradonitz "_ansi + std::to_string(layout.firstStradonitz));
}

void DrawNote(Canvas& canvas, FanLayout& layout) {
  const float x = GenerationSpanWidth(layout) - 3.75f;
  for (std::size_t i = 0; i < layout.note.size(); ++i)
    DrawStyledText(canvas, layout, x, -0.15f - 0.1f * static_cast<float>(i) - 0.03f, layout.note[i]);
}

// One letter at a time along an arc just outside the fan, clockwise.
void DrawSideTitle(Canvas& canvas, FanLayout& layout, const std::string& title, float centre, float rho,
                   float pitch) {
  float t = static_cast<float>(title.size() / 2) * pitch + centre;
  for (char letter : title) {
    SetTextAngle(layout, SideTitleEscapement(t));
    DrawStyledText(canvas, layout, rho * std::cos(t), rho * std::sin(t), std::string(1, letter));
    t = t - pitch;
  }
}

void DrawProbantLineAndTitles(Canvas& canvas, FanLayout& layout) {
  const int g = layout.generationCount;
  const float h = static_cast<float>(g) * 0.02f + 0.3f;
  SetHeight(layout, h);
  layout.textStyle.face = "GothicE";
  DrawStyledText(canvas, layout, 0.0f, -0.4f - h / 3.0f, layout.probantLine);
  const float rho = g == 12 ? static_cast<float>(g) * layout.ringWidth + 0.4f
                            : static_cast<float>(g - 1) * layout.ringWidth + 0.4f - h / 3.0f;
  const float pitch = h / rho;
  DrawSideTitle(canvas, layout, "Ascendance paternelle", kPaternalTitleCentre, rho, pitch);
  DrawSideTitle(canvas, layout, "Ascendance maternelle", kMaternalTitleCentre, rho, pitch);
  layout.textStyle.face = "Times New Roman";
}

}  // namespace

void DrawFanFrame(Canvas& canvas, FanLayout& layout, const FanFrameFacts& facts) {
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  canvas.SetTransparentBackground(true);
  SetHeight(layout, kSmallTextHeight);
  if (layout.paintMode != PaintMode::Preview) DrawCodes(canvas, layout);
  layout.textStyle.escapement = 0;
  layout.textStyle.orientation = 0;
  SetHeight(layout, kSmallTextHeight);
  DrawLegend(canvas, layout, facts.today);
  DrawStatistics(canvas, layout, facts.statistics);
  DrawFirstNumberLine(canvas, layout);
  DrawNote(canvas, layout);
  DrawProbantLineAndTitles(canvas, layout);
}

}  // namespace quenor
