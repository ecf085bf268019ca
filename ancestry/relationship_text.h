#pragma once
// The lines that tell how two persons are related and how consanguineous
// they are, shared by the kinship report Parente.TXT and the consanguinity
// reports Consang.TXT and LstConsg.TXT. Every text is Windows-1252.
#include <cstdint>
#include <string>
#include <vector>

#include "ancestry/relationship_ways.h"
#include "gedcom/person_sex.h"

namespace quenor {

class GedcomIndex;

// A coefficient (0 to 1) as a percentage with four significant digits and a
// decimal comma: "6,250 %", "50,00 %", "0,003052 %"; "0 %" when it is nil,
// "1,526e-09 %" when very small.
std::string FormatPercent(double coefficient);

// A count of lines with a blank between groups of three digits; a count too
// large to hold reads "plus de 18 446 744 073 709 551 615".
std::string FormatLines(const LineCount& lines);

// One of two related persons: number, name (format 0) and sex.
struct RelatedPerson {
  int32_t number = 0;
  std::string name;
  Sex sex = Sex::Unknown;
};
RelatedPerson RelatedPersonOf(const GedcomIndex& index, int32_t number);

// The table of the ways the two persons are related, one block a way: its
// generations, degrees and count of lines, then what each person is to the
// other and, beyond a line of descent, the common ancestors at the top of
// its lines. Appended to `text`.
void AppendWaysTable(std::string& text, const GedcomIndex& index, const std::vector<RelationshipWay>& ways,
                     const RelatedPerson& first, const RelatedPerson& second);

// "de Jean", "d'Anne", "d'Élisabeth", "d'Hélène", "d'Yves": the French
// elision before a name starting with a vowel or a mute h (these reports are
// new; the older ones keep their own rule).
std::string OfName(const std::string& name);

// A rule of `length` bytes 0x97, as the reports draw them under headings.
std::string Rule(std::size_t length);

// The line that centres `text` in `width` columns (margin (width - length) / 2,
// truncated, not below 0), followed by `lineFeeds` line feeds.
std::string Centred(const std::string& text, int width, int lineFeeds);

}  // namespace quenor
