#include "fanchart/script_ancestor_texts.h"

#include <cmath>
#include <string_view>

#include "fanchart/fan_geometry.h"

namespace quenor {
namespace {

constexpr double kRingWidth = 2.5;
constexpr double kThicken = 0.003;

// One row of the generation table.
struct ScriptGeneration {
  const char* layer;  // nullptr: the current layer stays
  double baseHeight;
  int nameMax;
  int sideMax;
  const char* nameStyle;
  const char* sideStyle;
};

ScriptGeneration GenerationRow(int g) {
  switch (g) {
    case 2: return {"layer\nm\nGen2-4\nc\n2\n\n\n", 0.20, 17, 20, "Norm", "Ital"};
    case 3: return {"layer\nm\nGen2-4\nc\n2\n\n\n", 0.19, 20, 20, "Norm", "Ital"};
    case 4: return {"layer\nm\nGen2-4\nc\n2\n\n\n", 0.18, 22, 22, "Norm", "Ital"};
    case 5: return {"layer\nm\nGen5-7\nc\n3\n\n\n", 0.16, 25, 25, "Norm", "Ital"};
    case 6: return {"layer\nm\nGen5-7\nc\n3\n\n\n", 0.14, 27, 27, "Norm", "Ital"};
    case 7: return {"layer\nm\nGen5-7\nc\n3\n\n\n", 0.13, 30, 30, "Norm", "Ital"};
    case 8: return {"layer\nm\nGen8-9\nc\n4\n\n\n", 0.10, 39, 39, "Norm", "Ital"};
    case 9: return {"layer\nm\nGen8-9\nc\n4\n\n\n", 0.08, 40, 40, "Norm", "Ital"};
    case 10: return {"layer\nm\nGen10-12\nc\n5\n\n\n", 0.08, 25, 24, "Norm", "Ital"};
    case 11: return {"layer\nm\nGen10-12\nc\n5\n\n\n", 0.052, 37, 34, "PetitNorm", "PetitItal"};
    default: return {nullptr, 0.056, 40, 40, "PetitNorm", "PetitItal"};
  }
}

// The person's place in its generation, as the script works it out. Angles
// and radii are single precision; the arithmetic between them is carried
// in double precision.
struct ScriptPerson {
  int32_t box = 0;
  int32_t first = 0;
  int32_t mid = 0;
  int32_t last = 0;
  float step = 0.0f;
  int generation = 0;
  float scale = 1.0f;
};

ScriptPerson PersonOf(const AncestorLine& line, float scale) {
  ScriptPerson p;
  p.generation = line.generation;
  p.scale = scale;
  if (line.generation == 12) {
    p.box = line.number / 2;
    p.first = 1024;
    p.mid = 1536;
    p.last = 2047;
    p.step = static_cast<float>(kFanTwoPi / std::pow(2.0, 11));
  } else {
    p.box = line.number;
    p.first = static_cast<int32_t>(std::pow(2.0, line.generation - 1));
    p.mid = static_cast<int32_t>(1.5 * p.first);
    p.last = 2 * p.first - 1;
    p.step = static_cast<float>(kFanTwoPi / std::pow(2.0, line.generation));
  }
  return p;
}

void WriteTextCommand(ScriptOutput& out, const char* style, double x, double y, double height, double rotation,
                      const std::string& text, float scale) {
  out.Write("text\ns\n%s\nm\n%7.5f,%7.5f\n%7.5f\n%7.5f\n%s\n",
            {std::string_view(style), x * scale, y * scale, height, rotation, std::string_view(text)});
}

// One radial text of the person: reading inwards on the father's side and
// outwards on the mother's side; thickened by copies below generation 5.
void WriteRadialText(ScriptOutput& out, const ScriptPerson& p, const std::string& text, const char* style,
                     double phi, float rhoPaternal, float rhoMaternal, double baseHeight, int maxChars) {
  const double h = FitTextHeight(text, maxChars, baseHeight);
  const bool paternal = p.box < p.mid;
  const float theta = static_cast<float>(paternal ? (p.box - p.first + phi) * p.step : (p.last - p.box + phi) * p.step);
  const double rho = paternal ? rhoPaternal : rhoMaternal;
  const double c = std::cos(static_cast<double>(theta)), s = std::sin(static_cast<double>(theta));
  const double rotation = paternal ? -DegreesOf(theta) : DegreesOf(theta);
  const double sign = paternal ? -1.0 : 1.0;
  auto write = [&](double rhoX, double rhoY) {
    WriteTextCommand(out, style, sign * c * rhoX, s * rhoY, h, rotation, text, p.scale);
  };
  write(rho, rho);
  if (p.generation >= 5) return;
  write(rho + kThicken, rho);
  write(rho, rho + kThicken);
  write(rho + kThicken, rho + kThicken);
}

// The first word and the rest; false for a name without a blank.
bool CutAtFirstBlank(const std::string& name, std::string& firstWord, std::string& rest) {
  const std::size_t blank = name.find(' ');
  if (blank == std::string::npos) return false;
  firstWord = name.substr(0, blank);
  rest = name.substr(blank + 1);
  return true;
}

// Four horizontal copies of a parent's text.
void WriteParentText(ScriptOutput& out, const char* pattern, double sigma, double x, double y, double height,
                     const std::string& text, float scale) {
  const double points[4][2] = {{x, y}, {x + sigma * kThicken, y}, {x, y + kThicken}, {x + sigma * kThicken, y + kThicken}};
  for (const auto& point : points)
    out.Write(pattern, {point[0] * scale, point[1] * scale, height, std::string_view(text)});
}

void WriteParents(ScriptOutput& out, const AncestorLine& line, float scale) {
  const char* kName = "text\ns\nNorm\nm\n%7.5f,%7.5f\n%7.5f\n0\n%s\n";
  const char* kSide = "text\ns\nItal\nm\n%7.5f,%7.5f\n%7.5f\n0\n%s\n";
  const double sigma = line.number == 2 ? -1.0 : 1.0;
  const double h0 = 0.2 * scale;
  out.Write("layer\nm\nGen2-4\nc\n2\n\n\n");
  std::string firstWord, rest;
  if (CutAtFirstBlank(line.name, firstWord, rest)) {
    WriteParentText(out, kName, sigma, sigma * 1.0, 1.5, FitTextHeight(firstWord, 16, h0), firstWord, scale);
    WriteParentText(out, kName, sigma, sigma * 1.18, 0.92, FitTextHeight(rest, 17, h0), rest, scale);
  } else {
    WriteParentText(out, kName, sigma, sigma * 1.18, 0.92, FitTextHeight(line.name, 17, h0), line.name, scale);
  }
  const std::string& side = SideText(line);
  WriteParentText(out, kSide, sigma, sigma * 1.25, 0.375, FitTextHeight(side, 20, h0), side, scale);
}

// Side flag: 1 for the spouse farther from the fan's axis.
double SideFlag(const AncestorLine& line, const ScriptPerson& p) {
  const bool husband = line.number % 2 == 0;
  return husband == (p.box < p.mid) ? 1.0 : 0.0;
}

float RingMiddle(const ScriptPerson& p) { return static_cast<float>((p.generation - 1.5) * kRingWidth); }

void WriteSplit(ScriptOutput& out, const AncestorLine& line, const ScriptPerson& p, const ScriptGeneration& row) {
  const float r = RingMiddle(p);
  const double f = SideFlag(line, p);
  const double h0 = row.baseHeight * p.scale;
  std::string firstWord, rest;
  if (CutAtFirstBlank(line.name, firstWord, rest)) {
    WriteRadialText(out, p, firstWord, row.nameStyle, 0.8 - 0.3 * f, r, r, h0, row.nameMax);
    WriteRadialText(out, p, rest, row.nameStyle, 0.5 - 0.3 * f, r, r, h0, row.nameMax);
  } else {
    WriteRadialText(out, p, line.name, row.nameStyle, 0.7 - 0.3 * f, r, r, h0, row.nameMax);
  }
  const std::string& side = SideText(line);
  if (!side.empty()) WriteRadialText(out, p, side, row.sideStyle, 0.15 + 0.7 * f, r, r, 0.9 * h0, row.sideMax);
}

void WriteWholeName(ScriptOutput& out, const AncestorLine& line, const ScriptPerson& p,
                    const ScriptGeneration& row) {
  const float r = RingMiddle(p);
  const double f = SideFlag(line, p);
  const double h0 = row.baseHeight * p.scale;
  WriteRadialText(out, p, line.name, row.nameStyle, 0.72 - 0.44 * f, r, r, h0, row.nameMax);
  const std::string& side = SideText(line);
  if (!side.empty()) WriteRadialText(out, p, side, row.sideStyle, 0.25 + 0.5 * f, r, r, 0.9 * h0, row.sideMax);
}

void WriteOuter(ScriptOutput& out, const AncestorLine& line, const ScriptPerson& p, const ScriptGeneration& row) {
  const float r = RingMiddle(p);
  const double h0 = row.baseHeight * p.scale;
  WriteRadialText(out, p, line.name, row.nameStyle, 0.5, static_cast<float>(r + 0.45), static_cast<float>(r - 0.6),
                  h0, row.nameMax);
  const std::string& side = SideText(line);
  if (!side.empty())
    WriteRadialText(out, p, side, row.sideStyle, 0.5, static_cast<float>(r - 0.72), static_cast<float>(r + 0.57),
                    0.9 * h0, row.sideMax);
}

void WriteCoupleBox(ScriptOutput& out, const AncestorLine& line, const ScriptPerson& p,
                    const ScriptGeneration& row) {
  const double h0 = row.baseHeight * p.scale;
  const bool husband = line.number % 2 == 0;
  WriteRadialText(out, p, line.name, row.nameStyle, 0.5, husband ? 29.18f : 25.82f, husband ? 25.82f : 29.18f, h0,
                  row.nameMax);
  const std::string& side = SideText(line);
  if (side.empty()) return;
  WriteRadialText(out, p, side, row.sideStyle, 0.5, husband ? 28.17f : 27.16f, husband ? 26.83f : 27.84f, 0.9 * h0,
                  row.sideMax);
}

}  // namespace

double FitTextHeight(const std::string& text, int maxChars, double baseHeight) {
  const int length = static_cast<int>(text.size());
  if (length <= maxChars) return baseHeight;
  return baseHeight * maxChars / length;
}

void WriteAncestorTexts(ScriptOutput& out, ScriptTextState& state, const AncestorLine& line, float scale) {
  const int g = line.generation;
  if (g < 2 || g > 12) return;
  if (g == 2) {
    WriteParents(out, line, scale);
    state.layerGeneration = 2;
    return;
  }
  const ScriptGeneration row = GenerationRow(g);
  if (row.layer && state.layerGeneration != g) {
    out.Write(row.layer);
    state.layerGeneration = g;
  }
  const ScriptPerson person = PersonOf(line, scale);
  if (g <= 8) return WriteSplit(out, line, person, row);
  if (g == 9) return WriteWholeName(out, line, person, row);
  if (g <= 11) return WriteOuter(out, line, person, row);
  WriteCoupleBox(out, line, person, row);
}

}  // namespace quenor
