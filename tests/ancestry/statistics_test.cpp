// The statistics Stat.TXT and the list of repeated ancestors LstRep.TXT.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestry_figures.h"
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

// The probant and his parents and four grandparents, all distinct.
PedigreeText FourGrandparents(const std::string& probantName = "Paul /Martin/") {
  PedigreeText text;
  text.Person(1, probantName, 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/", 3)
      .Person(4, "Pierre /Martin/")
      .Person(5, "Anne /Bernard/")
      .Person(6, "Louis /Durand/")
      .Person(7, "Claire /Lenoir/")
      .Family(1, 2, 3)
      .Family(2, 4, 5)
      .Family(3, 6, 7);
  return text;
}

// Paul's parents are first cousins: his grandfather Pierre and his
// grandmother Claire are brother and sister, children of Jacques and Louise.
PedigreeText FirstCousins(bool louiseHasParents) {
  PedigreeText text;
  text.Person(1, "Paul /Martin/", 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/", 3)
      .Person(4, "Pierre /Martin/", 4)
      .Person(5, "Anne /Bernard/", 5)
      .Person(6, "Louis /Durand/", 6)
      .Person(7, "Claire /Martin/", 4)
      .Person(8, "Jacques /Martin/")
      .Person(9, "Louise /Roux/", louiseHasParents ? 7 : 0)
      .Person(10, "Henri /Bernard/")
      .Person(11, "Rose /Blanc/")
      .Person(12, "Paul /Durand/")
      .Person(13, "Jeanne /Noir/")
      .Person(20, "Marc /Roux/")
      .Person(21, "Lucie /Vert/")
      .Family(1, 2, 3)
      .Family(2, 4, 5)
      .Family(3, 6, 7)
      .Family(4, 8, 9)
      .Family(5, 10, 11)
      .Family(6, 12, 13)
      .Family(7, 20, 21);
  return text;
}

// A pedigree that collapses onto one couple per generation: the husband and
// the wife of family g are both children of family g + 1, so the couple of
// family g appears 2^(g-1) times in generation g + 1.
PedigreeText OneCouplePerGeneration(int families) {
  PedigreeText text;
  text.Person(1, "Paul /Seul/", 1);
  for (int g = 1; g <= families; ++g) {
    const int parentFamily = g < families ? g + 1 : 0;
    text.Person(2 * g, "Pere" + std::to_string(g) + " /Lignee/", parentFamily)
        .Person(2 * g + 1, "Mere" + std::to_string(g) + " /Lignee/", parentFamily)
        .Family(g, 2 * g, 2 * g + 1);
  }
  return text;
}

class AncestryStatisticsTest : public ::testing::Test {
 protected:
  void Analyse(const PedigreeText& text, int32_t probant = 1) {
    ASSERT_TRUE(fixture.LoadText(text.Text()));
    fixture.session.chosenLine = std::to_string(probant) + "  ...";
    ASSERT_EQ(AnalyseAncestry(fixture.session), AncestryOutcome::Analysed);
  }
  AncestryFigures Figures() {
    return MeasureAncestry(fixture.session.index, fixture.session.ancestors,
                           fixture.session.ancestors.lastStradonitz);
  }
  bool HasRepeatedList() { return std::filesystem::exists(fixture.folder / "LstRep.TXT"); }
  std::vector<std::string> StatLines() { return LinesOf(fixture.Report("Stat.TXT")); }

  SessionFixture fixture;
};

TEST_F(AncestryStatisticsTest, FourDistinctGrandparentsByteForByte) {
  Analyse(FourGrandparents());
  const std::string expected =
      "             Analyse de l'ascendance de Paul Martin  2024-03-15\n"
      "\n"
      "        Tableau des indices de complétude et implexes des ascendants\n"
      "———————————————————————————————————————————————————————————————————————————————————————\n"
      "            ——————————————  Ascendants  —————————————   ————— Indices —————    Implexe\n"
      "Génération  Attendus    Connus     Répétés  Différents Complétude   Implexe   cumulatif\n"
      "—————————— —————————— —————————— —————————— —————————— —————————— —————————— ——————————\n"
      "     1             1          1          0          1    100.00%      0.00%      0.00%\n"
      "     2             2          2          0          2    100.00%      0.00%      0.00%\n"
      "     3             4          4          0          4    100.00%      0.00%      0.00%\n"
      "           —————————— —————————— —————————— —————————— —————————— ——————————\n"
      "Ensemble:          7          7          0          7    100.00%      0.00%\n"
      "\n"
      "\n"
      "                  Statistiques des apparitions répétées\n"
      "\n"
      "                  Ascendants différents:          7\n"
      "                  Ascendants non répétés:         7  soit 100.0%\n"
      "                  Ascendants répétés:             0  soit   0.0%\n"
      "                  Total des apparitions:          7\n"
      "\n"
      "                      Distribution des répétitions\n"
      "                        Ascendants  Répétitions\n"
      "                        ——————————  ———————————\n"
      "                               7            1\n";
  EXPECT_EQ(fixture.Report("Stat.TXT"), WithCrLf(Cp1252FromUtf8(expected)));
  EXPECT_FALSE(HasRepeatedList());
  EXPECT_FALSE(fixture.session.slots[kSlotRepeatedAncestors].hasContent);
}

TEST_F(AncestryStatisticsTest, FirstCousinsGiveTheirImplex) {
  Analyse(FirstCousins(false));
  const std::string expected =
      "             Analyse de l'ascendance de Paul Martin  2024-03-15\n"
      "\n"
      "        Tableau des indices de complétude et implexes des ascendants\n"
      "———————————————————————————————————————————————————————————————————————————————————————\n"
      "            ——————————————  Ascendants  —————————————   ————— Indices —————    Implexe\n"
      "Génération  Attendus    Connus     Répétés  Différents Complétude   Implexe   cumulatif\n"
      "—————————— —————————— —————————— —————————— —————————— —————————— —————————— ——————————\n"
      "     1             1          1          0          1    100.00%      0.00%      0.00%\n"
      "     2             2          2          0          2    100.00%      0.00%      0.00%\n"
      "     3             4          4          0          4    100.00%      0.00%      0.00%\n"
      "     4             8          8          2          6    100.00%     25.00%     13.33%\n"
      "           —————————— —————————— —————————— —————————— —————————— ——————————\n"
      "Ensemble:         15         15          2         13    100.00%     13.33%\n"
      "\n"
      "\n"
      "                  Statistiques des apparitions répétées\n"
      "\n"
      "                  Ascendants différents:         13\n"
      "                  Ascendants non répétés:        11  soit  84.6%\n"
      "                  Ascendants répétés:             2  soit  15.4%\n"
      "                  Total des apparitions:         15\n"
      "\n"
      "                      Distribution des répétitions\n"
      "                        Ascendants  Répétitions\n"
      "                        ——————————  ———————————\n"
      "                              11            1\n"
      "                               2            2\n";
  EXPECT_EQ(fixture.Report("Stat.TXT"), WithCrLf(Cp1252FromUtf8(expected)));
  const std::vector<std::string> list = LinesOf(fixture.Report("LstRep.TXT"));
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list[6].substr(0, 23), "      8  Jacques Martin");
  EXPECT_EQ(list[7].substr(0, 20), "      9  Louise Roux");
  EXPECT_EQ(list[6].substr(list[6].size() - 3), "  2");
  EXPECT_EQ(list[7].substr(list[7].size() - 3), "  2");
}

TEST_F(AncestryStatisticsTest, RepeatedAncestorsListByteForByte) {
  Analyse(FirstCousins(true));
  const std::string expected =
      "                            Analyse de l'ascendance de Paul Martin,  2024-03-15\n"
      "\n"
      "                                       Liste des 4 ascendants répétés\n"
      "\n"
      "# Enrg.  Nom                                      Parents                                             Répétitions\n"
      "———————  ———————————————————————————————————————— ——————————————————————————————————————————————————— ———————————\n"
      "      8  Jacques Martin                                                                                     2\n"
      "      9  Louise Roux                              Marc Roux et Lucie Vert                                   2\n"
      "     20  Marc Roux                                                                                          2\n"
      "     21  Lucie Vert                                                                                         2\n";
  EXPECT_EQ(fixture.Report("LstRep.TXT"), WithCrLf(Cp1252FromUtf8(expected)));
  EXPECT_TRUE(fixture.session.slots[kSlotRepeatedAncestors].hasContent);
  EXPECT_TRUE(fixture.session.menus.Enabled(MenuItem::AscRepet));
}

TEST_F(AncestryStatisticsTest, ThreeAppearancesInAGenerationCountOnceAsRepeated) {
  // The four grandparents' families share the same husband three times.
  Analyse(PedigreeText()
              .Person(1, "Paul /Martin/", 1)
              .Person(2, "Jean /Martin/", 2)
              .Person(3, "Marie /Durand/", 3)
              .Person(4, "Pierre /Martin/", 4)
              .Person(5, "Anne /Bernard/", 5)
              .Person(6, "Louis /Durand/", 6)
              .Person(7, "Claire /Lenoir/", 7)
              .Person(8, "Henri /Volage/")
              .Person(9, "Rose /Un/")
              .Person(10, "Lise /Deux/")
              .Person(11, "Lea /Trois/")
              .Person(12, "Marc /Autre/")
              .Person(13, "Ida /Autre/")
              .Family(1, 2, 3)
              .Family(2, 4, 5)
              .Family(3, 6, 7)
              .Family(4, 8, 9)
              .Family(5, 8, 10)
              .Family(6, 8, 11)
              .Family(7, 12, 13));
  const AncestryFigures figures = Figures();
  ASSERT_EQ(figures.LastGeneration(), 4);
  const GenerationFigures& fourth = figures.generations[3];
  EXPECT_EQ(fourth.known, 8);
  EXPECT_EQ(fourth.repeated, 1);
  EXPECT_EQ(fourth.distinct, 6);
  EXPECT_EQ(figures.distribution.at(3), 1);
  EXPECT_EQ(StatLines()[10], "     4             8          8          1          6    100.00%     25.00%     13.33%");
  const std::vector<std::string> list = LinesOf(fixture.Report("LstRep.TXT"));
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[6].substr(0, 23), "      8  Henri Volage  ");
  EXPECT_EQ(list[6].substr(list[6].size() - 3), "  3");
}

TEST_F(AncestryStatisticsTest, UnnamedAncestorsCountInTotalsOnly) {
  // Two of the four grandparents have no letter in their name.
  PedigreeText text;
  text.Person(1, "Paul /Martin/", 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/", 3)
      .Person(4, "Pierre /Martin/")
      .Person(5, "/1234/")
      .Person(6, "")  // not indexed without a name line, still an entry
      .Person(7, "Claire /Lenoir/")
      .Family(1, 2, 3)
      .Family(2, 4, 5)
      .Family(3, 6, 7);
  Analyse(text);
  const std::vector<std::string> lines = StatLines();
  EXPECT_EQ(lines[9], "     3             4          2          0          2     50.00%      0.00%      0.00%");
  EXPECT_EQ(lines[11], "Ensemble:          7          7          0          7    100.00%      0.00%");
}

TEST_F(AncestryStatisticsTest, GenerationWithoutNamedEntryPrintsZeros) {
  // Generation 3 holds only an unnamed person, generation 4 a named one
  // repeated twice: the third row has no implex of its own.
  PedigreeText text;
  text.Person(1, "Paul /Martin/", 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/")
      .Person(4, "/123/", 3)
      .Person(5, "/456/", 4)
      .Person(8, "Henri /Martin/")
      .Family(1, 2, 3)
      .Family(2, 4, 5)
      .Family(3, 8, 0)
      .Family(4, 8, 0);
  Analyse(text);
  const std::vector<std::string> lines = StatLines();
  EXPECT_EQ(lines[9], "     3             4          0          0          0      0.00%      0.00%      0.00%");
  EXPECT_EQ(lines[10], "     4             8          2          1          1     25.00%     50.00%     14.29%");
  EXPECT_EQ(fixture.Report("Stat.TXT").find("nan"), std::string::npos);
}

TEST_F(AncestryStatisticsTest, HundredsOfAppearancesAreAllListed) {
  Analyse(OneCouplePerGeneration(22));
  const AncestryFigures figures = Figures();
  ASSERT_EQ(figures.LastGeneration(), 20);
  EXPECT_EQ(figures.entries, (1 << 20) - 1);
  EXPECT_EQ(figures.distinct, 39);
  EXPECT_EQ(figures.repeated, 36);
  const std::vector<std::string> list = LinesOf(fixture.Report("LstRep.TXT"));
  EXPECT_EQ(list[2], std::string(38, ' ') + "Liste des 36 ascendants répétés"_ansi);
  ASSERT_EQ(list.size(), 6u + 36u);
  // The couple of generation 20 (family 19) comes first, 2^18 times each.
  EXPECT_EQ(list[6].substr(0, 9), "     38  ");
  EXPECT_EQ(list[6].substr(list[6].size() - 7), " 262144");
  EXPECT_EQ(list[7].substr(0, 9), "     39  ");
  EXPECT_EQ(list[list.size() - 2].substr(0, 9), "      4  ");
  EXPECT_EQ(list.back().substr(0, 9), "      5  ");
  EXPECT_EQ(list.back().substr(list.back().size() - 3), "  2");
  // The distribution shows every count, 256 and beyond included.
  const std::string stat = fixture.Report("Stat.TXT");
  const std::string twoPersons = std::string(31, ' ') + "2   ";
  EXPECT_NE(stat.find(twoPersons + "       256\r\n"), std::string::npos);
  EXPECT_NE(stat.find(twoPersons + "   262 144\r\n"), std::string::npos);
  EXPECT_NE(stat.find("Ensemble:  1 048 575  1 048 575         36         39    100.00%    100.00%"), std::string::npos);
}

TEST_F(AncestryStatisticsTest, TitlesElideBeforeAVowelOnly) {
  Analyse(FirstCousins(false));
  EXPECT_EQ(LinesOf(fixture.Report("LstRep.TXT"))[0].find("Paul Martin,  2024-03-15"), 55u);
  SessionFixture anne;
  PedigreeText text = FourGrandparents("Anne /Dupont/");
  ASSERT_TRUE(anne.LoadText(text.Text()));
  anne.session.chosenLine = "      1  Dupont, Anne";
  ASSERT_EQ(AnalyseAncestry(anne.session), AncestryOutcome::Analysed);
  const std::string title = "Analyse de l'ascendance d'Anne Dupont  2024-03-15";
  EXPECT_EQ(LinesOf(anne.Report("Stat.TXT"))[0], std::string((76 - title.size()) / 2, ' ') + title);
  SessionFixture yves;
  ASSERT_TRUE(yves.LoadText(FourGrandparents("Yves /Martin/").Text()));
  yves.session.chosenLine = "      1  Martin, Yves";
  ASSERT_EQ(AnalyseAncestry(yves.session), AncestryOutcome::Analysed);
  EXPECT_NE(yves.Report("Stat.TXT").find("Analyse de l'ascendance de Yves Martin  2024-03-15"), std::string::npos);
}

TEST_F(AncestryStatisticsTest, UnnamedTrailingGenerationsStayOutOfTheTotals) {
  // Generation 3 holds unnamed persons only: the rows stop at generation 2
  // and so do the totals.
  PedigreeText text;
  text.Person(1, "Paul /Martin/", 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/")
      .Person(4, "/123/")
      .Person(5, "/456/")
      .Family(1, 2, 3)
      .Family(2, 4, 5);
  Analyse(text);
  const std::vector<std::string> lines = StatLines();
  EXPECT_EQ(lines[8], "     2             2          2          0          2    100.00%      0.00%      0.00%");
  EXPECT_EQ(lines[10], "Ensemble:          3          3          0          3    100.00%      0.00%");
}

TEST_F(AncestryStatisticsTest, NoNamedAncestorLeavesOnlyTheHeadings) {
  Analyse(PedigreeText().Person(1, "Paul /Seul/", 1).Family(1, 0, 0));
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Ascendance de Paul Seul...");
  EXPECT_EQ(fixture.ui.messages[0].text, "Le fichier GEDCOM ne contient aucun\nascendant de cette personne.");
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(StatLines().size(), 7u);
  EXPECT_FALSE(HasRepeatedList());
  EXPECT_EQ(fixture.ui.shownReports.back(), std::make_pair(int{kSlotAncestryList}, 3));
}

}  // namespace
}  // namespace quenor
