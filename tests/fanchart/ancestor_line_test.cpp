// Reading the person lines of the ancestry list back, as the drawing and
// the script do, and choosing the marriage text shown with each name.
#include <gtest/gtest.h>

#include "fanchart/ancestor_line.h"
#include "platform/cp1252.h"
#include "tests/fanchart/fan_test_support.h"

namespace quenor::testing {
namespace {

using namespace literals;

TEST(AncestorLine, DrawingReadsEveryColumn) {
  const AncestorLine line = ReadDrawingLine(ListLine(12, 345, "Jean Baptiste Dupont", "12 FÉV 1850"_ansi,
                                                     "Saint-Étienne, Loire"_ansi));
  EXPECT_EQ(line.number, 12);
  EXPECT_EQ(line.generation, 4);
  EXPECT_EQ(line.name, "Jean Baptiste Dupont");
  EXPECT_EQ(line.date, "      12 fév 1850"_ansi);  // lower-cased, leading blanks kept
  EXPECT_EQ(line.place, "Saint-Étienne, Loire"_ansi);
}

TEST(AncestorLine, ALineEndingAfterTheNameHasNoMarriage) {
  const AncestorLine line = ReadDrawingLine(ListLine(2, 7, "Jean Dupont", "", "", false));
  EXPECT_EQ(line.name, "Jean Dupont");
  EXPECT_EQ(line.date, "");
  EXPECT_EQ(line.place, "");
  const AncestorLine script = ReadScriptLine(ListLine(2, 7, "Jean Dupont", "", "", false));
  EXPECT_EQ(script.name, "Jean Dupont");
  EXPECT_EQ(script.date, "");
  EXPECT_EQ(script.place, "");
}

TEST(AncestorLine, ABlankDateColumnGivesAnEmptyDateToTheScript) {
  const AncestorLine line = ReadScriptLine(ListLine(5, 7, "Anne Durand", "", "Paris"));
  EXPECT_EQ(line.date, "");
  EXPECT_EQ(line.place, "Paris");
}

TEST(AncestorLine, FullWidthFieldsAreKeptWhole) {
  const std::string name(40, 'N');
  const std::string place(40, 'P');
  const AncestorLine drawing = ReadDrawingLine(ListLine(3, 1, name, "01 janvier 1850", place + "XYZ"));
  EXPECT_EQ(drawing.name, name);
  EXPECT_EQ(drawing.place, place);
  const AncestorLine script = ReadScriptLine(ListLine(3, 1, name, "01 janvier 1850", place + "XYZ"));
  EXPECT_EQ(script.name, name);
  EXPECT_EQ(script.place, place);
  EXPECT_EQ(script.date, "  01 janvier 1850");
}

TEST(AncestorLine, HeadingsAndTitlesCarryNoNumber) {
  EXPECT_EQ(ReadDrawingLine("Stradonitz # Enrg. Prénom et nom\r\n"_ansi).number, 0);
  EXPECT_EQ(ReadDrawingLine(std::string(48, '-') + "  3 ième génération "_ansi).number, 0);
  EXPECT_EQ(ReadScriptLine("\r\n").number, 0);
  EXPECT_EQ(ReadScriptLine("                   Nombre d'apparitions: 3").number, 0);
}

TEST(AncestorLine, TheScriptReadsTheNumberFromTheFirstTenColumnsOnly) {
  EXPECT_EQ(ReadScriptLine("          12345 Dupont").number, 0);
  EXPECT_EQ(ReadScriptLine("      4095      12 x").number, 4095);
  EXPECT_EQ(ReadScriptLine("      4095      12 x").generation, 12);
}

TEST(AncestorLine, SideTextFollowsSideAndSpouse) {
  EXPECT_EQ(SideTextOf(2, 2), SideTextKind::Date);
  EXPECT_EQ(SideTextOf(3, 2), SideTextKind::Place);
  EXPECT_EQ(SideTextOf(4, 3), SideTextKind::Place);  // husband, father's side
  EXPECT_EQ(SideTextOf(5, 3), SideTextKind::Date);   // wife, father's side
  EXPECT_EQ(SideTextOf(6, 3), SideTextKind::Date);   // husband, mother's side
  EXPECT_EQ(SideTextOf(7, 3), SideTextKind::Place);  // wife, mother's side
  EXPECT_EQ(SideTextOf(1535, 11), SideTextKind::Date);
  EXPECT_EQ(SideTextOf(1536, 11), SideTextKind::Date);
  EXPECT_EQ(SideTextOf(1537, 11), SideTextKind::Place);
  EXPECT_EQ(SideTextOf(2048, 12), SideTextKind::Date);
  EXPECT_EQ(SideTextOf(4095, 12), SideTextKind::Place);
}

}  // namespace
}  // namespace quenor::testing
