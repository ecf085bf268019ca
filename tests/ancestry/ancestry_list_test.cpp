// The ancestry list LstAscd.TXT, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestry_list.h"
#include "ancestry/ancestry_list_layout.h"
#include "ancestry/ancestry_statistics.h"
#include "session/session.h"
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

// A pedigree of 16 generations in which person k is the ancestor of
// Stradonitz number k and family f the parents of person f; some persons of
// the last generation are left out, two have no name.
class LargePedigree {
 public:
  static constexpr int kLast = (1 << 16) - 1;
  const std::set<int> missing{32768, 32769, 32770, 32771, 49152, 49153};
  const std::set<int> unnamed{40000, 50001};

  PedigreeText Text() const {
    PedigreeText text;
    for (int k = 1; k <= kLast; ++k) {
      if (missing.count(k) != 0) continue;
      text.Person(k, unnamed.count(k) != 0 ? "" : "P" + std::to_string(k) + " /N" + std::to_string(k) + "/",
                  k < (1 << 15) ? k : 0);
    }
    for (int f = 1; f < (1 << 15); ++f) {
      text.Family(f, Present(2 * f) ? 2 * f : 0, Present(2 * f + 1) ? 2 * f + 1 : 0, Date(f, kEnglish),
                  "Lieu" + std::to_string(f) + "x");
    }
    return text;
  }

  // The list as printf would write it, line by line.
  std::vector<std::string> ExpectedLines() const {
    std::vector<std::string> lines = {"", "", "", "", Line(1, "")};
    int generation = 1;
    int entries = 1;
    for (int k = 2; k <= kLast; ++k) {
      if (!Present(k)) continue;
      for (; (1 << generation) <= k; ++generation) {
        const std::string rule(48, '-');
        char heading[160];
        std::snprintf(heading, sizeof heading, "%s %2d %s %s", rule.c_str(), generation + 1,
                      Cp1252FromUtf8("ième génération").c_str(), rule.c_str());
        lines.push_back(heading);
      }
      char marriage[80];
      std::snprintf(marriage, sizeof marriage, "%17s Lieu%dx", Cp1252FromUtf8(Date(k / 2, kFrench)).c_str(), k / 2);
      lines.push_back(Line(k, marriage));
      ++entries;
    }
    lines.push_back("");
    char count[64];
    std::snprintf(count, sizeof count, "%19sNombre d'apparitions: %d %03d", " ", entries / 1000, entries % 1000);
    lines.push_back(count);
    return lines;
  }

 private:
  static constexpr bool kEnglish = false;
  static constexpr bool kFrench = true;

  bool Present(int k) const { return missing.count(k) == 0; }

  static std::string Date(int f, bool french) {
    static const char* const kEnglishMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    static const char* const kFrenchMonths[] = {"jan", "fév", "mar", "avr", "mai", "jun",
                                                "jul", "aoû", "sep", "oct", "nov", "déc"};
    return std::to_string(1 + f % 28) + " " + (french ? kFrenchMonths[f % 12] : kEnglishMonths[f % 12]) + " " +
           std::to_string(1700 + f % 300);
  }

  std::string Line(int k, const std::string& marriage) const {
    const std::string name = unnamed.count(k) != 0 ? "" : "P" + std::to_string(k) + " N" + std::to_string(k);
    char line[200];
    std::snprintf(line, sizeof line, "%10d %7d %-40s %s", k, k, name.c_str(), marriage.c_str());
    return line;
  }
};

TEST_F(AncestryListTest, SixteenGenerationsLineByLine) {
  const LargePedigree pedigree;
  Load(pedigree.Text());
  const std::vector<std::string> lines = LinesOf(Build(1));
  const std::vector<std::string> expected = pedigree.ExpectedLines();
  ASSERT_EQ(lines.size(), expected.size());
  std::size_t differences = 0;
  for (std::size_t i = 4; i < lines.size() && differences < 5; ++i) {
    if (lines[i] != expected[i]) {
      ++differences;
      ADD_FAILURE() << "line " << i + 1 << "\n  written:  " << lines[i] << "\n  expected: " << expected[i];
    }
  }
  EXPECT_EQ(differences, 0u);
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(AncestryListTest, StatisticsOfALargeAnalysisAsIfEveryNameWereReadAgain) {
  // The analysis learns whose names count while it writes the list; the
  // statistics must be those that reading every name again gives.
  Load(LargePedigree().Text());
  fixture.session.chosenLine = "      1";
  ASSERT_EQ(AnalyseAncestry(fixture.session), AncestryOutcome::Analysed);
  const std::string statistics = fixture.Report("Stat.TXT");
  ASSERT_TRUE(WriteAncestryStatistics(fixture.session));
  EXPECT_EQ(fixture.Report("Stat.TXT"), statistics);
  EXPECT_NE(statistics.find("65 529"), std::string::npos) << statistics;
}

}  // namespace
}  // namespace quenor
