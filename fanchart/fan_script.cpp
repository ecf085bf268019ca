#include "fanchart/fan_script.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "fanchart/ancestor_line.h"
#include "fanchart/fan_geometry.h"
#include "fanchart/script_ancestor_texts.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr double kRingWidth = 2.5;

double Cos(float a) { return std::cos(static_cast<double>(a)); }
double Sin(float a) { return std::sin(static_cast<double>(a)); }

// What the frame is drawn from. Angles and radii are single precision, as
// the chart holds them; the arithmetic between them is double precision.
struct ScriptFrame {
  ScriptOutput& out;
  const FanScriptSettings& settings;
  int g;      // generations
  int n;      // rings
  float s;    // scale
};

void WriteHeader(const ScriptFrame& f) {
  const double edge = f.n * kRingWidth + 0.02;
  f.out.Write("limits\n%7.5f,%7.5f\n%7.5f,%7.5f\n", {-edge * f.s, -1.0 * f.s, edge * f.s, edge * f.s});
  f.out.Write("blipmode\noff\n");
  f.out.Write("zoom\na\n");
  f.out.Write("style\nGros\nGOTHICE\n0\n1\n15\nN\nN\nN\n");
  f.out.Write("style\nNorm\nROMANT\n0\n.65\n0\nN\nN\nN\n");
  f.out.Write("style\nItal\nROMANT\n0\n.55\n15\nN\nN\nN\n");
  f.out.Write("style\nPetitNorm\nROMANC\n0\n.65\n0\nN\nN\nN\n");
  f.out.Write("style\nPetitItal\nROMANC\n0\n.55\n15\nN\nN\nN\n");
  f.out.Write("style\nSimplex05\nSIMPLEX\n%7.5f\n.55\n0\nN\nN\nN\n", {0.05 * f.s});
  f.out.Write("style\nSimplex06\nSIMPLEX\n%7.5f\n.55\n0\nN\nN\nN\n", {0.06 * f.s});
  f.out.Write("layer\nm\nGrille\nc\n15\n\n\n");
}

void WriteSeparators(const ScriptFrame& f) {
  const double outer = f.n * kRingWidth;
  for (int i = 1; i < f.n && i < 11; ++i) {
    const float step = static_cast<float>(kFanPi / std::pow(2.0, i));
    const int count = 1 << i;
    const double inner = i * kRingWidth;
    for (int j = 1; j < count; j += 2) {
      const float a = static_cast<float>(j) * step;
      const double x1 = Cos(a) * inner * f.s, y1 = Sin(a) * inner * f.s;
      const double x2 = Cos(a) * outer * f.s, y2 = Sin(a) * outer * f.s;
      if (i < 6) {
        const double width = (5 - i) * 0.008 * f.s;
        f.out.Write("pline\n%7.5f,%7.5f\n", {x1, y1});
        f.out.Write("w\n%7.5f\n%7.5f\n", {width, width});
        f.out.Write("%7.5f,%7.5f\n\n", {x2, y2});
      } else {
        f.out.Write("line\n%7.5f,%7.5f\n", {x1, y1});
        f.out.Write("%7.5f,%7.5f\n\n", {x2, y2});
      }
    }
  }
}

void WriteCircles(const ScriptFrame& f) {
  for (int i = 1; i <= f.n; ++i) {
    if (i == 11) continue;
    const double r = i * kRingWidth;
    if (i == f.n) {
      f.out.Write("pline\n%7.5f,0\n", {r * f.s});
      f.out.Write("w\n%7.5f\n%7.5f\na\nce\n0,0\n", {0.04 * f.s, 0.04 * f.s});
      f.out.Write("%7.5f,0\n\n", {-r * f.s});
    } else {
      f.out.Write("arc\nc\n0,0\n%7.5f,0\n%7.5f,0\n", {r * f.s, -r * f.s});
    }
  }
}

void WriteBaseLine(const ScriptFrame& f) {
  const double edge = f.n * kRingWidth + 0.02;
  f.out.Write("pline\n%7.5f,%7.5f\nw\n%7.5f\n%7.5f\n", {-edge * f.s, -0.02 * f.s, 0.04 * f.s, 0.04 * f.s});
  f.out.Write("%7.5f,%7.5f\n\n", {edge * f.s, -0.02 * f.s});
}

// One letter every half unit of arc, nine copies of each to thicken it.
void WriteSideTitle(const ScriptFrame& f, std::string_view title, double centre) {
  static constexpr double kOffsets[9][2] = {{0, 0},         {0.003, 0},     {0.006, 0},
                                            {0, 0.003},     {0.003, 0.003}, {0.006, 0.003},
                                            {0, 0.006},     {0.003, 0.006}, {0.006, 0.006}};
  const float radius = static_cast<float>(f.n * kRingWidth + 0.4);
  const double height = (0.01 * f.n + 0.3) * f.s;
  const float pitch = 0.5f / radius;
  float a = static_cast<float>((static_cast<double>(title.size() / 2) - 0.5) * pitch + centre);
  for (char letter : title) {
    const float x0 = static_cast<float>(Cos(a) * radius), y0 = static_cast<float>(Sin(a) * radius);
    const double rotation = DegreesOf(a) - 90.0;
    for (const auto& d : kOffsets)
      f.out.Write("text\ns\nGros\nm\n%7.5f,%7.5f\n%7.5f\n%7.5f\n%c\n",
                  {(x0 + d[0]) * f.s, (y0 + d[1]) * f.s, height, rotation, letter});
    a -= pitch;
  }
}

void WriteProbantLine(const ScriptFrame& f) {
  static constexpr double kOffsets[9][2] = {{0, 0},          {-0.003, 0},      {0.003, 0},
                                            {0, 0.003},      {-0.003, 0.003},  {0.003, 0.003},
                                            {0, -0.003},     {-0.003, -0.003}, {0.003, -0.003}};
  f.out.Write("layer\nm\nGen1_Titre\nc\n1\n\n\n");
  const std::string_view text = f.settings.probantLine;
  const double height = 0.4 * f.s;
  for (const auto& d : kOffsets) {
    const double y = (-0.4 + d[1]) * f.s;
    if (d[0] == 0.0)
      f.out.Write("text\ns\nGros\nm\n0,%7.5f\n%7.5f\n0\n%s\n", {y, height, text});
    else
      f.out.Write("text\ns\nGros\nm\n%7.5f,%7.5f\n%7.5f\n0\n%s\n", {d[0] * f.s, y, height, text});
  }
}

void WriteSmallText(const ScriptFrame& f, double x, double y, std::string_view text) {
  f.out.Write("text\ns\nPetitNorm\nm\n%7.5f,%7.5f\n", {x * f.s, y * f.s});
  f.out.Write("%7.5f\n0\n%s\n", {0.06 * f.s, text});
}

void WriteLegendAndNote(const ScriptFrame& f) {
  f.out.Write("layer\nm\nGen11-12\nc\n5\n\n\n");
  const double span = f.g * kRingWidth;
  const double left = 3.75 - span;
  WriteSmallText(f, left, -0.2, "Chaque case constitue un mariage et contient:");
  WriteSmallText(f, left, -0.3, "les noms des conjoints,");
  WriteSmallText(f, left, -0.4, "la date et le lieu du mariage,");
  WriteSmallText(f, left, -0.5, "le code Stradonitz de chaque conjoint.");
  char production[80];
  const CalendarDate& d = f.settings.today;
  std::snprintf(production, sizeof production, "Produit le %04d-%02d-%02d par le logiciel Quenor.", d.year, d.month,
                d.day);
  WriteSmallText(f, left, -0.6, production);
  for (std::size_t i = 0; i < f.settings.note.size(); ++i)
    WriteSmallText(f, span - 3.75, -0.2 - 0.1 * static_cast<double>(i), f.settings.note[i]);
}

void WriteCodes(const ScriptFrame& f) {
  f.out.Write("layer\nm\nCodes_Strado\nc\n6\n\n\n");
  const float b = static_cast<float>(kFanTwoPi / std::pow(2.0, 12));
  for (int g = 2; g <= f.g; ++g) {
    const float o = g <= 10 ? static_cast<float>(0.0006 * std::pow(1.5, 11 - g) + b) : b;
    const float t = static_cast<float>(kFanTwoPi / std::pow(2.0, g));
    const int32_t first = static_cast<int32_t>(std::pow(2.0, g - 1));
    const int32_t mid = static_cast<int32_t>(1.5 * first);
    const int32_t last = 2 * first - 1;
    const float ringRadius = static_cast<float>((g - 1) * kRingWidth - 0.09);
    const std::string_view style = g < 10 ? "Simplex06" : "Simplex05";
    for (int32_t k = first; k <= last; ++k) {
      const bool husband = k % 2 == 0;
      const float a = static_cast<float>(static_cast<double>(last - k) * t + (husband ? static_cast<double>(t) - o : o));
      const double rotation = k < mid ? DegreesOf(a) + 180.0 : DegreesOf(a);
      float r = ringRadius;
      if (g == 12)
        r = static_cast<float>(husband == (k < mid) ? 12 * kRingWidth - 0.08 : 10 * kRingWidth + 0.08);
      f.out.Write("text\ns\n%s\nm\n%7.5f,%7.5f\n%7.5f\n%d\n",
                  {style, Cos(a) * r * f.s, Sin(a) * r * f.s, rotation, static_cast<int>(k)});
    }
  }
}

// Reads the list in pieces of at most 127 characters, as lines.
bool NextListLine(std::FILE* file, std::string& line) {
  char buffer[kListLineLimit + 1] = {};
  if (!std::fgets(buffer, sizeof buffer, file)) return false;
  line.assign(buffer);
  return true;
}

}  // namespace

void WriteScriptFrame(ScriptOutput& out, const FanScriptSettings& settings) {
  const ScriptFrame frame{out, settings, settings.generations, RingCountFor(settings.generations), settings.scale};
  WriteHeader(frame);
  WriteSeparators(frame);
  WriteCircles(frame);
  WriteBaseLine(frame);
  out.Write("layer\nm\nGen1Titre\nc\n1\n\n\n");
  WriteSideTitle(frame, "Ascendance paternelle", 2.3561944905);
  WriteSideTitle(frame, "Ascendance maternelle", 0.7853981635);
  WriteProbantLine(frame);
  WriteLegendAndNote(frame);
  WriteCodes(frame);
}

bool WriteScriptAncestors(ScriptOutput& out, const FanScriptSettings& settings, const std::string& listPath) {
  std::FILE* list = std::fopen(listPath.c_str(), "rb");
  if (!list) return false;
  ScriptTextState state;
  std::string text;
  while (NextListLine(list, text)) {
    const AncestorLine line = ReadScriptLine(text);
    if (line.number <= 1 || line.number >= 4096) continue;
    if (line.generation > settings.generations) break;
    WriteAncestorTexts(out, state, line, settings.scale);
  }
  std::fclose(list);
  return true;
}

ScriptExport ExportFanScript(Session& session, const std::string& scriptPath) {
  const std::string caption = "Fichier de commandes AutoCAD";
  FanScriptSettings settings;
  // Settings that never went through the dialog are brought to its limits.
  settings.generations = std::clamp(session.fan.generationCount, 4, 12);
  settings.scale = std::clamp(session.fan.scale, 0.3f, 2.0f);
  settings.probantLine = session.fan.probantLine;
  settings.note = session.fan.note;
  settings.today = session.clock.TodayLocal();
  ScriptOutput out;
  if (!out.Create(scriptPath)) {
    session.Message(caption, "Impossible de créer le fichier de commandes\n"_ansi + Cp1252FromUtf8(scriptPath),
                    MessageIcon::Stop);
    return ScriptExport::NotCreated;
  }
  WriteScriptFrame(out, settings);
  const bool listRead = WriteScriptAncestors(out, settings, session.SlotPath(kSlotAncestryList));
  if (!out.Close()) {
    session.Message(caption, "Erreur d'écriture du fichier de commandes\n"_ansi + Cp1252FromUtf8(scriptPath),
                    MessageIcon::Stop);
    return ScriptExport::WriteFailed;
  }
  if (!listRead) {
    session.Message(caption,
                    "La liste des ascendants (LstAscd.TXT) est introuvable : le fichier de commandes\n"
                    "ne contient que la grille, les titres, la légende et les codes Stradonitz."_ansi,
                    MessageIcon::Warning);
    return ScriptExport::WithoutAncestors;
  }
  return ScriptExport::Written;
}

}  // namespace quenor
