// The names of the organigram fitted to their cells: wrapped at their blanks
// within the room between the neighbouring bars, name lines drawn taller for
// names of three lines, the names of the whole drawing smaller when a word
// is wider than the room, and the print counting the same lines.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "kinship/organigram_name_fit.h"
#include "kinship/organigram_painting.h"
#include "kinship/organigram_print_layout.h"
#include "kinship/organigram_text.h"
#include "tests/kinship/organigram_recording.h"

namespace quenor {
namespace {

using testing::MeasuringSurface;
using testing::Overlaps;

constexpr int kLine = OrganigramText::kLineHeight;
constexpr double kSixPixels = 6.0 / 11.0;  // six pixels a character in the 11-pixel name font

std::string Row(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text + "\r\n";
}

// Persons 7, 8 and 9 side by side in columns 0, 1 and 2, a drawing line below.
OrganigramText ThreeColumns() {
  return OrganigramText::FromBytes(Row("#     7#     8#     9", 22) + Row("*", 22), false);
}

struct Person {
  std::string given, surname;
};

OrganigramNames NamesOf(std::map<int32_t, Person> persons) {
  return [persons](int format, int32_t n) {
    const auto found = persons.find(n);
    if (found == persons.end()) return std::string();
    return format == 3 ? found->second.surname : format == 2 ? found->second.given : std::string();
  };
}

const std::map<int32_t, Person> kLongGivenNames = {
    {7, {"Elizabeth Alexandra Mary Louise", "Windsor"}}, {8, {"Paul", "Martin"}}, {9, {"Jean", "Dupont"}}};

TEST(OrganigramNames, AWideNameIsWrappedAtItsBlanksAndItsLineDrawnTaller) {
  const OrganigramText text = ThreeColumns();
  const OrganigramGeometry geometry = ScreenGeometry(text, 0, 0);
  ASSERT_EQ(OrganigramNameRoom(text, geometry), 150);
  MeasuringSurface surface(11, 14, kSixPixels);
  const OrganigramNames names = NamesOf(kLongGivenNames);
  const OrganigramNameFit fit = OrganigramNameFit::Make(text, names, surface.Measure(), 150);
  EXPECT_EQ(fit.Lines(0, 0), (std::vector<std::string>{"Elizabeth Alexandra Mary", "Louise", "Windsor"}));
  EXPECT_EQ(fit.Lines(0, 1), (std::vector<std::string>{"Paul", "Martin"}));
  EXPECT_EQ(fit.Pitch(0), 3);
  EXPECT_DOUBLE_EQ(fit.FontFactor(), 1.0);

  // The odd column stands three lines lower, its bar above it three lines
  // long; the even column's bar runs from under its names to the line below.
  EXPECT_EQ(PaintOrganigram(text, "", names, geometry, surface, &fit), 2 + 6 + 2);
  const int x0 = 80 + text.LeftMargin(), x1 = 160 + text.LeftMargin();
  EXPECT_EQ(surface.texts[0].y, 2 * kLine);
  EXPECT_EQ(surface.texts[2].y, 4 * kLine);
  EXPECT_EQ(surface.texts[3].text, "Paul");
  EXPECT_EQ(surface.texts[3].y, 5 * kLine);
  ASSERT_GE(surface.lines.size(), 2u);
  EXPECT_EQ(std::vector<int>({surface.lines[0].x1, surface.lines[0].y1, surface.lines[0].y2}),
            std::vector<int>({x0, 5 * kLine, 8 * kLine + 1}));
  EXPECT_EQ(std::vector<int>({surface.lines[1].x1, surface.lines[1].y1, surface.lines[1].y2}),
            std::vector<int>({x1, 2 * kLine, 5 * kLine + 1}));
  EXPECT_EQ(Overlaps(surface, kLine), std::vector<std::string>());

  // Drawn unfitted, the long given names run across the bar of column 1.
  MeasuringSurface unfitted(11, 14, kSixPixels);
  EXPECT_EQ(PaintOrganigram(text, "", names, geometry, unfitted), 2 + 4 + 2);
  EXPECT_FALSE(Overlaps(unfitted, kLine).empty());
}

TEST(OrganigramNames, AWordWiderThanTheRoomMakesEveryNameSmaller) {
  const OrganigramText text = ThreeColumns();
  MeasuringSurface surface(11, 14, kSixPixels);
  const OrganigramNames names =
      NamesOf({{7, {"Maximilien-Marie-Joseph-Emmanuel", "Dupont"}}, {8, {"Paul", "Martin"}}, {9, {"Luc", "Roy"}}});
  const OrganigramNameFit fit = OrganigramNameFit::Make(text, names, surface.Measure(), 150);
  // 32 characters: 192 pixels at full size, 144 at three quarters.
  EXPECT_DOUBLE_EQ(fit.FontFactor(), 0.75);
  EXPECT_EQ(fit.Lines(0, 0), (std::vector<std::string>{"Maximilien-Marie-Joseph-Emmanuel", "Dupont"}));
  PaintOrganigram(text, "", names, ScreenGeometry(text, 0, 0), surface, &fit);
  for (const auto& drawn : surface.texts) EXPECT_DOUBLE_EQ(drawn.factor, 0.75) << drawn.text;
  EXPECT_EQ(Overlaps(surface, kLine), std::vector<std::string>());
}

TEST(OrganigramNames, AWiderFontElsewhereDrawsTheSameLinesSmaller) {
  // Fitted in the screen's font, printed in a font a sixth wider.
  const OrganigramText text = ThreeColumns();
  MeasuringSurface screen(11, 14, kSixPixels);
  const OrganigramNames names = NamesOf(kLongGivenNames);
  const OrganigramNameFit fit = OrganigramNameFit::Make(text, names, screen.Measure(), 150);
  MeasuringSurface paper(11, 14, 7.0 / 11.0);
  EXPECT_LT(fit.FactorToFit(paper.Measure(), 150), 1.0);
  PaintOrganigram(text, "", names, ScreenGeometry(text, 0, 0), paper, &fit);
  EXPECT_LT(paper.factor, 1.0);
  EXPECT_EQ(paper.texts[0].text, "Elizabeth Alexandra Mary");
  EXPECT_EQ(Overlaps(paper, kLine), std::vector<std::string>());
}

TEST(OrganigramNames, ThePrintCountsTheTallerLines) {
  const OrganigramText text = ThreeColumns();
  MeasuringSurface surface(11, 14, kSixPixels);
  const OrganigramNameFit fit = OrganigramNameFit::Make(text, NamesOf(kLongGivenNames), surface.Measure(), 150);
  EXPECT_EQ(OrganigramLineCount(text, 2, &fit), OrganigramLineCount(text, 2) + 2);
  const OrganigramPrintMetrics plain = ComputeOrganigramPrintMetrics(text, 1.0, 600, 600, 4800, 6300);
  const OrganigramPrintMetrics fitted = ComputeOrganigramPrintMetrics(text, 1.0, 600, 600, 4800, 6300, &fit);
  EXPECT_EQ(fitted.linesPrinted, plain.linesPrinted + 2);

  // Ten name lines of three lines each: a drawing two inches higher.
  std::string bytes;
  for (int i = 0; i < 10; ++i) bytes += Row("*", 22) + Row("#     7#     8#     9", 22);
  const OrganigramText tall = OrganigramText::FromBytes(bytes, false);
  const OrganigramNameFit tallFit = OrganigramNameFit::Make(tall, NamesOf(kLongGivenNames), surface.Measure(), 150);
  OrganigramDialogFields fields;
  fields.scaleText = "1.00";
  fields.parameters = {600, 600, 8.0, 10.5};
  const double plainHeight = ComputeOrganigramDialogFigures(tall, fields).height;
  fields.fit = &tallFit;
  EXPECT_NEAR(ComputeOrganigramDialogFigures(tall, fields).height - plainHeight, 2.0, 0.01);
}

TEST(OrganigramNames, ASingleLineOfDescentKeepsItsNamesWhole) {
  const OrganigramText text =
      OrganigramText::FromBytes(Row("*", 15) + Row("#     1#", 15) + Row("*     \xB3", 15) + Row("#     7#", 15), true);
  MeasuringSurface surface(11, 14, kSixPixels);
  const int room = OrganigramNameRoom(text, ScreenGeometry(text, 0, 0));
  const OrganigramNameFit fit = OrganigramNameFit::Make(text, NamesOf(kLongGivenNames), surface.Measure(), room);
  EXPECT_EQ(fit.Lines(3, 0), (std::vector<std::string>{"Elizabeth Alexandra Mary Louise", "Windsor"}));
  EXPECT_EQ(OrganigramLineCount(text, 2, &fit), OrganigramLineCount(text, 2));
}

}  // namespace
}  // namespace quenor
