// The ways two persons are related and their French names, on families
// built for each degree.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ancestry/pedigree.h"
#include "ancestry/relationship_names.h"
#include "ancestry/relationship_text.h"
#include "ancestry/relationship_ways.h"
#include "platform/cp1252.h"
#include "tests/kinship/family_tree.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::FamilyTree;

// Two lines of descent from Pierre (1) and Adèle (2): the first line of
// `a` generations down to person 100 + a, the second of `b` generations down
// to person 200 + b (with a or b 0, Pierre himself is at its end). Each
// person of a line marries someone without known parents. With `half`, the
// second line comes from Pierre's second wife Rose (3).
struct TwoLines {
  int a = 2;
  int b = 2;
  bool half = false;
  std::string firstSex = "M";
  std::string secondSex = "F";

  int32_t First() const { return a == 0 ? 1 : 100 + a; }
  int32_t Second() const { return b == 0 ? 1 : 200 + b; }

  FamilyTree Tree() const {
    FamilyTree tree;
    tree.Person(1, "Pierre", "Souche").Sex(1, "M").Person(2, "Adèle", "Roux").Sex(2, "F");
    tree.Person(3, "Rose", "Blanc").Sex(3, "F");
    int family = 1;
    std::vector<int> topChildren[2];
    for (int side = 0; side < 2; ++side) {
      const int length = side == 0 ? a : b;
      const int base = side == 0 ? 100 : 200;
      for (int g = 1; g <= length; ++g) {
        const int person = base + g;
        tree.Person(person, "Ligne" + std::to_string(side + 1) + "G" + std::to_string(g), "Martin");
        if (g == length) tree.Sex(person, side == 0 ? firstSex : secondSex);
        if (g == 1) {
          topChildren[side].push_back(person);
        } else {
          const int spouse = base + 50 + g;
          tree.Person(spouse, "Conjoint", "Dehors");
          tree.Family(++family + 10, base + g - 1, spouse, {person});
        }
      }
    }
    if (half) {
      tree.Family(1, 1, 2, topChildren[0]).Family(2, 1, 3, topChildren[1]);
    } else {
      std::vector<int> all = topChildren[0];
      all.insert(all.end(), topChildren[1].begin(), topChildren[1].end());
      tree.Family(1, 1, 2, all);
    }
    return tree;
  }
};

class RelationshipWaysTest : public ::testing::Test {
 protected:
  std::vector<RelationshipWay> Ways(const FamilyTree& tree, int32_t first, int32_t second) {
    EXPECT_TRUE(fixture.LoadText(tree.Gedcom()));
    const int32_t persons[] = {first, second};
    const Pedigree pedigree = Pedigree::OfAncestors(fixture.session.index, persons);
    return FindRelationshipWays(pedigree, pedigree.PlaceOf(first), pedigree.PlaceOf(second));
  }

  // The names of the one way between the ends of two lines: what the first
  // is to the second, then the reverse.
  std::pair<std::string, std::string> Names(const TwoLines& lines) {
    const std::vector<RelationshipWay> ways = Ways(lines.Tree(), lines.First(), lines.Second());
    EXPECT_EQ(ways.size(), 1u);
    if (ways.size() != 1) return {};
    const RelationshipWay& way = ways.front();
    EXPECT_EQ(way.a, lines.a);
    EXPECT_EQ(way.b, lines.b);
    EXPECT_EQ(way.lines.value, 1u);
    const Sex firstSex = SexOf(fixture.session.index, lines.First());
    const Sex secondSex = SexOf(fixture.session.index, lines.Second());
    return {Utf8FromCp1252(KinshipName(way.a, way.b, way.kind, firstSex)),
            Utf8FromCp1252(KinshipName(way.b, way.a, way.kind, secondSex))};
  }

  using NamePair = std::pair<std::string, std::string>;
  testing::SessionFixture fixture;
};

TEST_F(RelationshipWaysTest, BrothersAndSistersByTheParentsTheyShare) {
  EXPECT_EQ(Names({1, 1, false, "M", "F"}), NamePair("frère germain", "sœur germaine"));
  EXPECT_EQ(Names({1, 1, true, "M", "M"}), NamePair("frère consanguin", "frère consanguin"));

  // Half-sisters through their mother: Rose (3) has two husbands.
  FamilyTree tree;
  tree.Person(1, "Jean", "Martin").Person(2, "Luc", "Blanc").Person(3, "Rose", "Roux").Sex(3, "F");
  tree.Person(4, "Anne", "Martin").Sex(4, "F").Person(5, "Marie", "Blanc").Sex(5, "F");
  tree.Family(1, 1, 3, {4}).Family(2, 2, 3, {5});
  const std::vector<RelationshipWay> ways = Ways(tree, 4, 5);
  ASSERT_EQ(ways.size(), 1u);
  EXPECT_EQ(ways[0].kind, WayKind::HalfSameMother);
  EXPECT_EQ(KinshipName(1, 1, ways[0].kind, Sex::Female), "sœur utérine"_ansi);
  EXPECT_EQ(KinshipName(1, 1, ways[0].kind, Sex::Unknown), "frère ou sœur utérin(e)"_ansi);
  ASSERT_EQ(ways[0].ancestors.size(), 1u);
  EXPECT_EQ(ways[0].ancestors[0].first, 3);
  EXPECT_EQ(ways[0].ancestors[0].second, 0);
}

TEST_F(RelationshipWaysTest, UnclesNephewsAndTheirDescendants) {
  EXPECT_EQ(Names({1, 2, false, "M", "F"}), NamePair("oncle", "nièce"));
  EXPECT_EQ(Names({2, 1, false, "M", "F"}), NamePair("neveu", "tante"));
  EXPECT_EQ(Names({1, 3, false, "F", "M"}), NamePair("grand-tante", "petit-neveu"));
  EXPECT_EQ(Names({1, 4, false, "M", "F"}), NamePair("arrière-grand-oncle", "arrière-petite-nièce"));
  EXPECT_EQ(Names({1, 6, false, "M", "F"}),
            NamePair("frère d'un ascendant à la 6e génération", "descendante à la 6e génération d'un frère ou d'une sœur"));
  EXPECT_EQ(Names({1, 2, true, "M", "M"}), NamePair("demi-oncle", "demi-neveu"));
}

TEST_F(RelationshipWaysTest, CousinsByDegree) {
  EXPECT_EQ(Names({2, 2, false, "M", "F"}), NamePair("cousin germain", "cousine germaine"));
  EXPECT_EQ(Names({2, 3, false, "F", "M"}), NamePair("tante à la mode de Bretagne", "neveu à la mode de Bretagne"));
  EXPECT_EQ(Names({4, 2, false, "M", "M"}),
            NamePair("petit-neveu à la mode de Bretagne", "grand-oncle à la mode de Bretagne"));
  EXPECT_EQ(Names({3, 3, false, "F", "F"}), NamePair("cousine issue de germain", "cousine issue de germain"));
  EXPECT_EQ(Names({4, 4, false, "M", "F"}), NamePair("cousin issu d'issu de germain", "cousine issue d'issue de germain"));
  EXPECT_EQ(Names({5, 5, false, "M", "F"}), NamePair("cousin au 5e degré canonique", "cousine au 5e degré canonique"));
  EXPECT_EQ(Names({3, 5, false, "M", "F"}),
            NamePair("cousin issu de germain d'un ascendant à la 3e génération",
                     "descendante à la 3e génération d'un cousin issu de germain"));
  EXPECT_EQ(Names({2, 2, true, "M", "F"}), NamePair("demi-cousin germain", "demi-cousine germaine"));
  EXPECT_EQ(Names({2, 3, true, "M", "F"}), NamePair("demi-oncle à la mode de Bretagne", "demi-nièce à la mode de Bretagne"));
}

TEST_F(RelationshipWaysTest, LinesOfDescent) {
  EXPECT_EQ(Names({0, 1, false, "M", "F"}), NamePair("père", "fille"));
  EXPECT_EQ(Names({2, 0, false, "F", "M"}), NamePair("petite-fille", "grand-père"));
  EXPECT_EQ(Names({0, 3, false, "M", "M"}), NamePair("arrière-grand-père", "arrière-petit-fils"));
  EXPECT_EQ(Names({0, 4, false, "M", "F"}), NamePair("ascendant à la 5e génération", "descendante à la 5e génération"));
  // No line of descent is ever half.
  EXPECT_EQ(Names({0, 2, true, "M", "F"}), NamePair("grand-père", "petite-fille"));
}

// Without a SEX line, a person's place in his own family tells; without
// either, both forms are given.
TEST_F(RelationshipWaysTest, SexFromTheSexLineElseFromTheFamilyElseBothForms) {
  EXPECT_EQ(Names({2, 2, false, "", ""}), NamePair("cousin(e) germain(e)", "cousin(e) germain(e)"));
  EXPECT_EQ(Names({1, 2, false, "U", ""}), NamePair("oncle ou tante", "neveu ou nièce"));
  FamilyTree tree = TwoLines{2, 2, false, "", ""}.Tree();
  tree.Person(300, "Enfant", "Martin").Family(300, 102, 0, {300}).Family(301, 0, 202, {});
  ASSERT_TRUE(fixture.LoadText(tree.Gedcom()));
  EXPECT_EQ(SexOf(fixture.session.index, 102), Sex::Male);
  EXPECT_EQ(SexOf(fixture.session.index, 202), Sex::Female);
  EXPECT_EQ(SexOf(fixture.session.index, 1), Sex::Male);  // his SEX line
  EXPECT_EQ(SexOf(fixture.session.index, 300), Sex::Unknown);
  EXPECT_EQ(SexOf(fixture.session.index, 999), Sex::Unknown);
}

// Brothers 3 and 4 (of 1 and 2) married sisters 5 and 6 (of 10 and 11):
// their children are double first cousins, related by one way of two lines
// through two couples.
TEST_F(RelationshipWaysTest, DoubleFirstCousinsAreCousinsByTwoLines) {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Adèle", "Roux").Person(10, "Henri", "Blanc").Person(11, "Léa", "Noir");
  tree.Person(3, "Jean", "Martin").Person(4, "Louis", "Martin").Person(5, "Marie", "Blanc").Person(6, "Rose", "Blanc");
  tree.Person(7, "Paul", "Martin").Person(8, "Alice", "Martin");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 10, 11, {5, 6}).Family(3, 3, 5, {7}).Family(4, 4, 6, {8});
  const std::vector<RelationshipWay> ways = Ways(tree, 7, 8);
  ASSERT_EQ(ways.size(), 1u);
  EXPECT_EQ(ways[0].kind, WayKind::Full);
  EXPECT_EQ(ways[0].CivilDegree(), 4);
  EXPECT_EQ(ways[0].CanonicalDegree(), 2);
  EXPECT_EQ(ways[0].lines.value, 2u);
  ASSERT_EQ(ways[0].ancestors.size(), 2u);
  EXPECT_EQ(ways[0].ancestors[0].first, 1);
  EXPECT_EQ(ways[0].ancestors[0].second, 2);
  EXPECT_EQ(ways[0].ancestors[1].first, 10);
  EXPECT_EQ(ways[0].ancestors[1].second, 11);
}

// The man's mother is the sister of his niece's father: he is her uncle and
// also her first cousin. Brothers whose parents are first cousins are
// brothers only: their parents' kinship is no way of their own.
TEST_F(RelationshipWaysTest, AnUncleWhoIsAlsoACousinAndBrothersOfCousins) {
  FamilyTree tree;
  tree.Person(1, "Philippe", "Roi").Person(2, "Marguerite", "Reine");           // grandparents
  tree.Person(3, "Philippe", "Fils").Person(4, "Marie", "Fille").Sex(4, "F");  // their children
  tree.Person(5, "Ferdinand", "Empereur").Person(6, "Léopold", "Empereur").Sex(6, "M");
  tree.Person(7, "Marianne", "Empereur").Sex(7, "F").Person(8, "Marguerite", "Fille").Sex(8, "F");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 5, 4, {6, 7}).Family(3, 3, 7, {8});
  const std::vector<RelationshipWay> ways = Ways(tree, 6, 8);
  ASSERT_EQ(ways.size(), 2u);
  EXPECT_EQ(ways[0].a, 1);
  EXPECT_EQ(ways[0].b, 2);
  EXPECT_EQ(KinshipName(ways[0].a, ways[0].b, ways[0].kind, Sex::Male), "oncle"_ansi);
  EXPECT_EQ(ways[1].a, 2);
  EXPECT_EQ(ways[1].b, 2);
  EXPECT_EQ(ways[1].kind, WayKind::Full);
  EXPECT_EQ(ways[1].ancestors[0].first, 1);

  FamilyTree cousins;
  cousins.Person(1, "Pierre", "Martin").Person(2, "Adèle", "Roux").Person(3, "Jean", "Martin").Person(4, "Anne", "Martin");
  cousins.Person(5, "Paul", "Martin").Person(6, "Rose", "Blanc").Person(7, "Luc", "Martin").Person(8, "Marc", "Martin");
  cousins.Person(9, "Louis", "Dehors").Person(10, "Lise", "Dehors");
  cousins.Family(1, 1, 2, {3, 4}).Family(2, 3, 9, {5}).Family(3, 10, 4, {6}).Family(4, 5, 6, {7, 8});
  const std::vector<RelationshipWay> brothers = Ways(cousins, 7, 8);
  ASSERT_EQ(brothers.size(), 1u);
  EXPECT_EQ(brothers[0].kind, WayKind::Full);
  EXPECT_EQ(brothers[0].CivilDegree(), 2);
}

// Paul descends from Pierre by two lines, through his father and his
// mother; Pierre's son Jean is also Paul's grandfather.
TEST_F(RelationshipWaysTest, ADescentByTwoLinesIsOneWayOfTwoLines) {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Adèle", "Roux").Person(3, "Jean", "Martin").Person(4, "Louis", "Martin");
  tree.Person(5, "Marie", "Dehors").Person(6, "Rose", "Dehors").Person(7, "Luc", "Martin").Person(8, "Lise", "Martin");
  tree.Person(9, "Paul", "Martin");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 5, {7}).Family(3, 4, 6, {8}).Family(4, 7, 8, {9});
  const std::vector<RelationshipWay> ways = Ways(tree, 1, 9);
  ASSERT_EQ(ways.size(), 1u);
  EXPECT_EQ(ways[0].kind, WayKind::Descent);
  EXPECT_EQ(ways[0].a, 0);
  EXPECT_EQ(ways[0].b, 3);
  EXPECT_EQ(ways[0].lines.value, 2u);

  // Jean is Paul's grandfather by his father, and his great-uncle by his mother.
  const std::vector<RelationshipWay> jean = Ways(tree, 3, 9);
  ASSERT_EQ(jean.size(), 2u);
  EXPECT_EQ(jean[0].kind, WayKind::Descent);
  EXPECT_EQ(jean[0].b, 2);
  EXPECT_EQ(jean[1].a, 1);
  EXPECT_EQ(jean[1].b, 3);
  EXPECT_EQ(KinshipName(1, 3, jean[1].kind, Sex::Male), "grand-oncle"_ansi);
}

TEST_F(RelationshipWaysTest, UnrelatedPersonsHaveNoWay) {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Adèle", "Roux").Person(3, "Jean", "Martin").Person(4, "Luc", "Blanc");
  tree.Family(1, 1, 2, {3});
  EXPECT_TRUE(Ways(tree, 3, 4).empty());
  EXPECT_TRUE(Ways(tree, 1, 2).empty());
}

TEST(RelationshipNamesTest, DegreesCivilAndCanonical) {
  EXPECT_EQ(Utf8FromCp1252(CivilDegreeText(1, 1)), "2e degré");
  EXPECT_EQ(Utf8FromCp1252(CivilDegreeText(0, 1)), "1er degré");
  EXPECT_EQ(Utf8FromCp1252(CanonicalDegreeText(2, 2)), "2e degré");
  EXPECT_EQ(Utf8FromCp1252(CanonicalDegreeText(2, 3)), "du 2e au 3e degré");
  EXPECT_EQ(Utf8FromCp1252(CanonicalDegreeText(3, 1)), "du 1er au 3e degré");
  EXPECT_EQ(Utf8FromCp1252(CanonicalDegreeText(0, 4)), "4e degré");
}

TEST(RelationshipNamesTest, FrenchElisionBeforeAName) {
  for (const auto& [name, expected] : std::vector<std::pair<std::string, std::string>>{
           {"Jean Martin", "de Jean Martin"}, {"Anne Roux", "d'Anne Roux"}, {"Élisabeth Martin", "d'Élisabeth Martin"},
           {"Hélène Lefèvre", "d'Hélène Lefèvre"}, {"Yves Blanc", "d'Yves Blanc"}, {"Œdipe Roi", "d'Œdipe Roi"},
           {"", "de "}}) {
    EXPECT_EQ(Utf8FromCp1252(OfName(Cp1252FromUtf8(name))), expected);
  }
}

// Four significant digits with a decimal comma, enough to tell a distant
// kinship from none; a half rounded up as by hand.
TEST(RelationshipNamesTest, PercentagesWithFourSignificantDigits) {
  EXPECT_EQ(FormatPercent(0.5), "50,00 %");
  EXPECT_EQ(FormatPercent(1.0), "100,0 %");
  EXPECT_EQ(FormatPercent(0.0625), "6,250 %");
  EXPECT_EQ(FormatPercent(1.0 / 128), "0,7813 %");
  EXPECT_EQ(FormatPercent(1.0 / 64), "1,563 %");
  EXPECT_EQ(FormatPercent(0.000031), "0,003100 %");
  EXPECT_EQ(FormatPercent(std::ldexp(1.0, -40)), "9,095e-11 %");
  EXPECT_EQ(FormatPercent(0.0), "0 %");
}

TEST(RelationshipNamesTest, HalfFormsOfEveryAlternative) {
  EXPECT_EQ(Utf8FromCp1252(KinshipName(1, 3, WayKind::Half, Sex::Unknown)), "demi-grand-oncle ou demi-grand-tante");
  EXPECT_EQ(Utf8FromCp1252(KinshipName(6, 1, WayKind::Half, Sex::Female)),
            "descendante à la 6e génération d'un demi-frère ou d'une demi-sœur");
  EXPECT_EQ(Utf8FromCp1252(KinshipName(7, 6, WayKind::Full, Sex::Unknown)),
            "descendant(e) à la 2e génération d'un cousin au 6e degré canonique");
  EXPECT_EQ(Utf8FromCp1252(KinshipName(6, 7, WayKind::Half, Sex::Male)),
            "demi-cousin au 6e degré canonique d'un ascendant à la 2e génération");
}

}  // namespace
}  // namespace quenor
