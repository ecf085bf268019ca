#include "fanchart/fan_script.h"

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

constexpr float kRingWidth = 2.5f;

double D(float value) { return static_cast<double>(value); }

struct ScriptFrame {
  ScriptOutput& out;
  const FanScriptSettings& settings;
  int g;      // generations
  int n;      // rings
  float s;    // scale
};

void WriteHeader(const ScriptFrame& f) {
  const float edge = static_cast<float>(f.n) * kRingWidth + 0.02f;
  f.out.Write("limits\n%7.5f,%7.5f\n%7.5f,%7.5f\n", {D(-edge * f.s), D(-1.0f * f.s), D(edge * f.s), D(edge * f.s)});
  f.out.Write("blipmode\noff\n");
  f.out.Write("zoom\na\n");
  f.out.Write("style\nGros\nGOTHICE\n0\n1\n15\nN\nN\nN\n");
  f.out.Write("style\nNorm\nROMANT\n0\n.65\n0\nN\nN\nN\n");
  f.out.Write("style\nItal\nROMANT\n0\n.55\n15\nN\nN\nN\n");
  f.out.Write("style\nPetitNorm\nROMANC\n0\n.65\n0\nN\nN\nN\n");
  f.out.Write("style\nPetitItal\nROMANC\n0\n.55\n15\nN\nN\nN\n");
  f.out.Write("style\nSimplex05\nSIMPLEX\n%7.5f\n.55\n0\nN\nN\nN\n", {D(0.05f * f.s)});
  f.out.Write("style\nSimplex06\nSIMPLEX\n%7.5f\n.55\n0\nN\nN\nN\n", {D(0.06f * f.s)});
  f.out.Write("layer\nm\nGrille\nc\n15\n\n\n");
}

void WriteSeparators(const ScriptFrame& f) {
  const float outer = static_cast<float>(f.n) * kRingWidth;
  for (int i = 1; i < f.n && i < 11; ++i) {
    const float step = kFanPi / static_cast<float>(std::pow(2.0, i));
    const int count = 1 << i;
    const float inner = static_cast<float>(i) * kRingWidth;
    for (int j = 1; j < count; j += 2) {
      const float a = static_cast<float>(j) * step;
      const float c = std::cos(a), sn = std::sin(a);
      const double x1 = D(c * inner * f.s), y1 = D(sn * inner * f.s);
      const double x2 = D(c * outer * f.s), y2 = D(sn * outer * f.s);
      if (i < 6) {
        const double width = D(static_cast<float>(5 - i) * 0.008f * f.s);
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
    const float r = static_cast<float>(i) * kRingWidth;
    if (i == f.n) {
      f.out.Write("pline\n%7.5f,0\n", {D(r * f.s)});
      f.out.Write("w\n%7.5f\n%7.5f\na\nce\n0,0\n", {D(0.04f * f.s), D(0.04f * f.s)});
      f.out.Write("%7.5f,0\n\n", {D(-r * f.s)});
    } else {
      f.out.Write("arc\nc\n0,0\n%7.5f,0\n%7.5f,0\n", {D(r * f.s), D(-r * f.s)});
    }
  }
}

void WriteBaseLine(const ScriptFrame& f) {
  const float edge = static_cast<float>(f.n) * kRingWidth + 0.02f;
  f.out.Write("pline\n%7.5f,%7.5f\nw\n%7.5f\n%7.5f\n",
              {D(-edge * f.s), D(-0.02f * f.s), D(0.04f * f.s), D(0.04f * f.s)});
  f.out.Write("%7.5f,%7.5f\n\n", {D(edge * f.s), D(-0.02f * f.s)});
}

// One letter every half unit of arc, nine copies of each to thicken it.
void WriteSideTitle(const ScriptFrame& f, std::string_view title, float centre) {
  static constexpr float kOffsets[9][2] = {{0, 0},         {0.003f, 0},      {0.006f, 0},
                                           {0, 0.003f},    {0.003f, 0.003f}, {0.006f, 0.003f},
                                           {0, 0.006f},    {0.003f, 0.006f}, {0.006f, 0.006f}};
  const float radius = static_cast<float>(f.n) * kRingWidth + 0.4f;
  const float height = (0.01f * static_cast<float>(f.n) + 0.3f) * f.s;
  const float pitch = 0.5f / radius;
  float a = (static_cast<float>(title.size() / 2) - 0.5f) * pitch + centre;
  for (char letter : title) {
    const float x0 = std::cos(a) * radius, y0 = std::sin(a) * radius;
    const float rotation = DegreesOf(a) - 90.0f;
    for (const auto& d : kOffsets)
      f.out.Write("text\ns\nGros\nm\n%7.5f,%7.5f\n%7.5f\n%7.5f\n%c\n",
                  {D((x0 + d[0]) * f.s), D((y0 + d[1]) * f.s), D(height), D(rotation), letter});
    a -= pitch;
  }
}

void WriteProbantLine(const ScriptFrame& f) {
  static constexpr float kOffsets[9][2] = {{0, 0},           {-0.003f, 0},      {0.003f, 0},
                                           {0, 0.003f},      {-0.003f, 0.003f}, {0.003f, 0.003f},
                                           {0, -0.003f},     {-0.003f, -0.003f}, {0.003f, -0.003f}};
  f.out.Write("layer\nm\nGen1_Titre\nc\n1\n\n\n");
  const std::string_view text = f.settings.probantLine;
  const double height = D(0.4f * f.s);
  for (const auto& d : kOffsets) {
    const double y = D((-0.4f + d[1]) * f.s);
    if (d[0] == 0.0f)
      f.out.Write("text\ns\nGros\nm\n0,%7.5f\n%7.5f\n0\n%s\n", {y, height, text});
    else
      f.out.Write("text\ns\nGros\nm\n%7.5f,%7.5f\n%7.5f\n0\n%s\n", {D(d[0] * f.s), y, height, text});
  }
}

void WriteSmallText(const ScriptFrame& f, float x, float y, std::string_view text) {
  f.out.Write("text\ns\nPetitNorm\nm\n%7.5f,%7.5f\n", {D(x * f.s), D(y * f.s)});
  f.out.Write("%7.5f\n0\n%s\n", {D(0.06f * f.s), text});
}

void WriteLegendAndNote(const ScriptFrame& f) {
  f.out.Write("layer\nm\nGen11-12\nc\n5\n\n\n");
  const float span = static_cast<float>(f.g) * kRingWidth;
  const float left = 3.75f - span;
  WriteSmallText(f, left, -0.2f, "Chaque case constitue un mariage et contient:");
  WriteSmallText(f, left, -0.3f, "les noms des conjoints,");
  WriteSmallText(f, left, -0.4f, "la date et le lieu du mariage,");
  WriteSmallText(f, left, -0.5f, "le code Stradonitz de chaque conjoint.");
  char production[80];
  const CalendarDate& d = f.settings.today;
  std::snprintf(production, sizeof production, "Produit le %04d-%02d-%02d par le logiciel Quenor.", d.year, d.month,
                d.day);
  WriteSmallText(f, left, -0.6f, production);
  for (std::size_t i = 0; i < f.settings.note.size(); ++i)
    WriteSmallText(f, span - 3.75f, -0.2f - 0.1f * static_cast<float>(i), f.settings.note[i]);
}

void WriteCodes(const ScriptFrame& f) {
  f.out.Write("layer\nm\nCodes_Strado\nc\n6\n\n\n");
  const float b = kFanTwoPi / static_cast<float>(std::pow(2.0, 12));
  for (int g = 2; g <= f.g; ++g) {
    const float o = g <= 10 ? 0.0006f * static_cast<float>(std::pow(1.5, 11 - g)) + b : b;
    const float t = kFanTwoPi / static_cast<float>(std::pow(2.0, g));
    const int32_t first = static_cast<int32_t>(std::pow(2.0, g - 1));
    const int32_t mid = static_cast<int32_t>(1.5 * first);
    const int32_t last = 2 * first - 1;
    const float ringRadius = static_cast<float>(g - 1) * kRingWidth - 0.09f;
    const std::string_view style = g < 10 ? "Simplex06" : "Simplex05";
    for (int32_t k = first; k <= last; ++k) {
      const bool husband = k % 2 == 0;
      float a = static_cast<float>(last - k) * t;
      a += husband ? t - o : o;
      const float rotation = k < mid ? DegreesOf(a) + 180.0f : DegreesOf(a);
      float r = ringRadius;
      if (g == 12) r = husband == (k < mid) ? 12.0f * kRingWidth - 0.08f : 10.0f * kRingWidth + 0.08f;
      f.out.Write("text\ns\n%s\nm\n%7.5f,%7.5f\n%7.5f\n%d\n",
                  {style, D(std::cos(a) * r * f.s), D(std::sin(a) * r * f.s), D(rotation), static_cast<int>(k)});
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
  WriteSideTitle(frame, "Ascendance paternelle", 2.3561944905f);
  WriteSideTitle(frame, "Ascendance maternelle", 0.7853981635f);
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
  settings.generations = session.fan.generationCount;
  settings.scale = session.fan.scale;
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
