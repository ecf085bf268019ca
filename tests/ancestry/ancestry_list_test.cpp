// The ancestry list LstAscd.TXT, byte for byte.
#include <gtest/gtest.h>

#include <sstream>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestry_list.h"
#include "ancestry/ancestry_list_layout.h"
#include "platform/cp1252.h"
#include "tests/ancestry/pedigree_text.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::LinesOf;
using testing::PedigreeText;
using testing::WithCrLf;
using testing::SessionFixture;

class AncestryListTest : public ::testing::Test {
 protected:
  void Load(const PedigreeText& text) { ASSERT_TRUE(fixture.LoadText(text.Text())); }
  std::string Build(int32_t probant) {
    EXPECT_TRUE(BuildAncestorTable(fixture.session, probant));
    return fixture.Report("LstAscd.TXT");
  }
  SessionFixture fixture;
};

TEST_F(AncestryListTest, SmallPedigreeByteForByte) {
  Load(PedigreeText()
           .Person(1, "Paul /Martin/", 1, {9})
           .Person(2, "Jean /Martin/", 2, {1})
           .Person(3, "Marie /Durand/", 0, {1})
           .Person(5, "Anne /Petit/")
           .Family(1, 2, 3, "ABT 1920", "Paris, ")
           .Family(2, 0, 5)
           .Family(9, 1, 0, "12 FEB 1950", "Lyon"));
  const std::string expected =
    "                                         Fichier d'ascendance de Paul Martin" "\n"
    "" "\n"
    "Stradonitz # Enrg. Prénom et nom                              Date de mariage Lieu de mariage" "\n"
    "—————————— ——————— ———————————————————————————————————————— ————————————————— ————————————————————————————————————————" "\n"
    "         1       1 Paul Martin                                    12 fév 1950 Lyon" "\n"
    "------------------------------------------------  2 ième génération ------------------------------------------------" "\n"
    "         2       2 Jean Martin                                      vers 1920 Paris" "\n"
    "         3       3 Marie Durand                                     vers 1920 Paris" "\n"
    "------------------------------------------------  3 ième génération ------------------------------------------------" "\n"
    "         5       5 Anne Petit                               " "\n"
    "" "\n"
    "                   Nombre d'apparitions: 4";
  EXPECT_EQ(Build(1), WithCrLf(Cp1252FromUtf8(expected)));
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(AncestryListTest, ProbantWithoutMarriageAndParentsOnly) {
  Load(PedigreeText()
           .Person(1, "Anne /Dupont/", 1)
           .Person(2, "Jean /Dupont/")
           .Person(3, "Marie /Durand/")
           .Family(1, 2, 3));
  const std::vector<std::string> lines = LinesOf(Build(1));
  const std::string title = "Fichier d'ascendance d'Anne Dupont";
  EXPECT_EQ(lines[0], std::string(58 - title.size() / 2, ' ') + title);
  // The probant's line ends after the blank that follows the name field.
  EXPECT_EQ(lines[4], "         1       1 Anne Dupont" + std::string(29, ' ') + " ");
  EXPECT_EQ(lines.back(), std::string(19, ' ') + "Nombre d'apparitions: 3");
}

TEST_F(AncestryListTest, OnlyMothersKnownShowOddNumbersUnderTheirHeading) {
  Load(PedigreeText()
           .Person(1, "Paul /Martin/", 1)
           .Person(3, "Marie /Durand/", 2)
           .Person(7, "Rose /Blanc/")
           .Family(1, 0, 3)
           .Family(2, 0, 7));
  const std::vector<std::string> lines = LinesOf(Build(1));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[5], Cp1252FromUtf8("------------------------------------------------  2 ième génération ------------------------------------------------"));
  EXPECT_EQ(lines[6].substr(0, 18), "         3       3");
  EXPECT_EQ(lines[7], Cp1252FromUtf8("------------------------------------------------  3 ième génération ------------------------------------------------"));
  EXPECT_EQ(lines[8].substr(0, 18), "         7       7");
}

TEST_F(AncestryListTest, RepeatedAncestorHasOneLinePerNumberAndColumnsAreFixed) {
  // Jean's and Marie's mothers are the same woman, married twice.
  Load(PedigreeText()
           .Person(1, "Paul /Martin/", 1)
           .Person(2, "Jean /Martin/", 2)
           .Person(3, "Marie /Durand/", 3)
           .Person(4, "Pierre /Martin/")
           .Person(5, "Rose /Blanc/")
           .Person(6, "Louis /Durand/")
           .Family(1, 2, 3)
           .Family(2, 4, 5, "3 MAR 1890", "Nantes")
           .Family(3, 6, 5, "ABT 1895", "Brest"));
  const std::vector<std::string> lines = LinesOf(Build(1));
  EXPECT_EQ(lines.back(), std::string(19, ' ') + "Nombre d'apparitions: 7");
  using namespace ancestry_list;
  std::vector<std::string> roseLines;
  for (const std::string& line : lines) {
    if (line.size() > kNameColumn && line.substr(kNameColumn, 10) == "Rose Blanc") roseLines.push_back(line);
  }
  ASSERT_EQ(roseLines.size(), 2u);
  EXPECT_EQ(std::stol(roseLines[0].substr(kStradonitzColumn, kStradonitzWidth)), 5);
  EXPECT_EQ(std::stol(roseLines[1].substr(kStradonitzColumn, kStradonitzWidth)), 7);
  EXPECT_EQ(std::stol(roseLines[1].substr(kIndividualColumn, kIndividualWidth)), 5);
  EXPECT_EQ(roseLines[0].substr(kMarriageDateColumn, kMarriageDateWidth), "       3 mar 1890");
  EXPECT_EQ(roseLines[1].substr(kMarriageDateColumn, kMarriageDateWidth), "        vers 1895");
  EXPECT_EQ(roseLines[0].substr(kMarriagePlaceColumn), "Nantes");
}

}  // namespace
}  // namespace quenor
