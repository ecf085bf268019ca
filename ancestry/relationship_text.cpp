#include "ancestry/relationship_text.h"

#include <cmath>
#include <cstdio>

#include "ancestry/relationship_names.h"
#include "ancestry/report_printing.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

using namespace literals;


// Digits of the relation column: after the generations, degrees and lines.
constexpr const char* kWayRow = "%4d  %4d  %-12s  %-19s  %19s  %s\n";
constexpr int kRelationColumn = 4 + 2 + 4 + 2 + 12 + 2 + 19 + 2 + 19 + 2;

std::string GroupedDigits(uint64_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
    grouped += digits[i];
  }
  return grouped;
}

std::string LinesWord(const LineCount& lines) { return lines.value == 1 ? " ligne" : " lignes"; }

// "X, cousin germain de Y": what `who` is to `other`.
std::string WhatIsTo(const RelatedPerson& who, int own, const RelatedPerson& other, int others, WayKind kind) {
  return who.name + ", " + KinshipName(own, others, kind, who.sex) + " " + OfName(other.name);
}

// "par 16 Pierre Martin et 17 Adélaïde Roux (2 lignes)".
std::string AncestorsLine(const GedcomIndex& index, const WayAncestors& top, bool withLines) {
  std::string line = "par " + std::to_string(top.first) + " " + PersonName(index, 0, top.first);
  if (top.second != 0) line += " et " + std::to_string(top.second) + " " + PersonName(index, 0, top.second);
  if (withLines) line += " (" + FormatLines(top.lines) + LinesWord(top.lines) + ")";
  return line;
}

}  // namespace

std::string OfName(const std::string& name) {
  static const std::string kElided = "AEIOUYHaeiouyhÀÂÄÉÈÊËÎÏÔÖÙÛÜŒàâäéèêëîïôöùûüœ"_ansi;
  const bool elided = !name.empty() && kElided.find(name.front()) != std::string::npos;
  return (elided ? "d'" : "de ") + name;
}

std::string Rule(std::size_t length) { return std::string(length, '\x97'); }

std::string Centred(const std::string& text, int width, int lineFeeds) {
  const int margin = (width - static_cast<int>(text.size())) / 2;
  return std::string(margin > 0 ? static_cast<std::size_t>(margin) : 0, ' ') + text +
         std::string(static_cast<std::size_t>(lineFeeds), '\n');
}

std::string FormatPercent(double coefficient) {
  const double percent = coefficient * 100.0;
  if (percent == 0.0) return "0 %";
  std::string text;
  if (percent < 1e-6) {
    text = PrintToString("%.3e", percent);
  } else {
    // A half is rounded up, as a reader rounds by hand: 1/128 reads 0,7813 %.
    const int decimals = std::max(0, 3 - static_cast<int>(std::floor(std::log10(percent))));
    const double scale = std::pow(10.0, decimals);
    text = PrintToString("%.*f", decimals, std::round(percent * scale) / scale);
  }
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text + " %";
}

std::string FormatLines(const LineCount& lines) {
  if (lines.Saturated()) return "plus de " + GroupedDigits(lines.value);
  return GroupedDigits(lines.value);
}

RelatedPerson RelatedPersonOf(const GedcomIndex& index, int32_t number) {
  return {number, PersonName(index, 0, number), SexOf(index, number)};
}

void AppendWaysTable(std::string& text, const GedcomIndex& index, const std::vector<RelationshipWay>& ways,
                     const RelatedPerson& first, const RelatedPerson& second) {
  text += PrintToString("%-11s %-12s  %-19s  %19s\n", "Générations"_ansi.c_str(), "Degré"_ansi.c_str(), "Degré"_ansi.c_str(),
                  "Nombre");
  text += PrintToString("%4s  %4s  %-12s  %-19s  %19s  %s\n", "a", "b", "civil", "canonique", "de lignes", "Relation");
  text += Rule(4) + "  " + Rule(4) + "  " + Rule(12) + "  " + Rule(19) + "  " + Rule(19) + "  " + Rule(60) + "\n";
  const std::string indent(static_cast<std::size_t>(kRelationColumn), ' ');
  for (const RelationshipWay& way : ways) {
    text += PrintToString(kWayRow, way.a, way.b, CivilDegreeText(way.a, way.b).c_str(),
                    CanonicalDegreeText(way.a, way.b).c_str(), FormatLines(way.lines).c_str(),
                    WhatIsTo(first, way.a, second, way.b, way.kind).c_str());
    text += indent + WhatIsTo(second, way.b, first, way.a, way.kind) + "\n";
    if (way.kind != WayKind::Descent) {
      const bool several = way.ancestors.size() > 1;
      for (const WayAncestors& top : way.ancestors) text += indent + AncestorsLine(index, top, several) + "\n";
    }
    text += "\n";
  }
}

}  // namespace quenor
