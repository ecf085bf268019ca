#include "session/person_summary.h"

#include <gtest/gtest.h>

#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;

// Jean has two marriages, the first with one child, the second with two;
// Paul has one marriage; Luc has no event at all.
constexpr const char* kFamily =
    "0 HEAD\n1 CHAR ANSI\n"
    "0 @I1@ INDI\n1 NAME Jean /Martin/\n1 BIRT\n2 DATE 12 FEB 1850\n2 PLAC Québec\n"
    "1 DEAT\n2 PLAC Montréal\n1 FAMC @F9@\n1 FAMS @F1@\n1 FAMS @F2@\n"
    "0 @I2@ INDI\n1 NAME Marie /Roy/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Anne /Côté/\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Paul /Martin/\n1 BIRT\n2 DATE 1875\n1 FAMC @F1@\n1 FAMS @F3@\n"
    "0 @I5@ INDI\n1 NAME Rose /Martin/\n1 FAMC @F2@\n"
    "0 @I6@ INDI\n1 NAME Léon /Martin/\n1 FAMC @F2@\n"
    "0 @I7@ INDI\n1 NAME Louis /Martin/\n1 FAMS @F9@\n"
    "0 @I8@ INDI\n1 NAME Julie /Gagnon/\n1 FAMS @F9@\n"
    "0 @I9@ INDI\n1 NAME Claire /Roy/\n1 FAMS @F3@\n"
    "0 @I10@ INDI\n1 NAME Luc /Seul/\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I4@\n"
    "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 CHIL @I5@\n1 CHIL @I6@\n"
    "0 @F3@ FAM\n1 HUSB @I4@\n1 WIFE @I9@\n"
    "0 @F9@ FAM\n1 HUSB @I7@\n1 WIFE @I8@\n1 CHIL @I1@\n"
    "0 TRLR\n";

class PersonSummaryTest : public ::testing::Test {
 protected:
  // The file is written in Windows-1252, as its "1 CHAR ANSI" says.
  void SetUp() override { ASSERT_TRUE(fixture.LoadText(Cp1252FromUtf8(kFamily))); }
  PersonSummary Of(int32_t n) { return SummarizePerson(fixture.session.index, n); }
  testing::SessionFixture fixture;
};

TEST_F(PersonSummaryTest, BirthAndDeathShowDateRightAlignedThenPlace) {
  const PersonSummary jean = Of(1);
  EXPECT_EQ(jean.number, "1");
  EXPECT_EQ(jean.name, "Jean Martin");
  EXPECT_EQ(jean.birth, "    12 fév 1850 Québec"_ansi);
  // The death has no date: its date stays empty although the birth had one.
  EXPECT_EQ(jean.death, std::string(15, ' ') + " " + "Montréal"_ansi);
  EXPECT_EQ(jean.parents, "Louis Martin et Julie Gagnon");
}

TEST_F(PersonSummaryTest, SeveralFamiliesNumberTheirSpousesAndChildren) {
  const PersonSummary jean = Of(1);
  EXPECT_EQ(jean.spouses, "(1) Marie Roy, (2) Anne Côté"_ansi);
  ASSERT_EQ(jean.children.size(), 3u);
  EXPECT_EQ(jean.children[0], "(1) Paul Martin");
  EXPECT_EQ(jean.children[1], "(2) Rose Martin");
  EXPECT_EQ(jean.children[2], "(2) Léon Martin"_ansi);
}

TEST_F(PersonSummaryTest, OneFamilyHasNoPrefixes) {
  const PersonSummary paul = Of(4);
  EXPECT_EQ(paul.spouses, "Claire Roy");
  EXPECT_TRUE(paul.children.empty());
  EXPECT_EQ(paul.birth, "           1875 ");
  EXPECT_TRUE(paul.death.empty());
  EXPECT_EQ(paul.parents, "Jean Martin et Marie Roy");
}

TEST_F(PersonSummaryTest, MissingFactsLeaveTheirLinesEmpty) {
  const PersonSummary luc = Of(10);
  EXPECT_EQ(luc.name, "Luc Seul");
  EXPECT_TRUE(luc.birth.empty());
  EXPECT_TRUE(luc.death.empty());
  EXPECT_TRUE(luc.parents.empty());
  EXPECT_TRUE(luc.spouses.empty());
  EXPECT_TRUE(luc.children.empty());
}

TEST_F(PersonSummaryTest, NumberZeroIsAnEmptySummary) {
  const PersonSummary none = Of(0);
  EXPECT_TRUE(none.number.empty());
  EXPECT_TRUE(none.name.empty());
  EXPECT_TRUE(none.children.empty());
}

TEST(PersonSummaryFamilies, AFamilyWithoutOtherSpouseAddsNoLeadingComma) {
  testing::SessionFixture fixture;
  ASSERT_TRUE(fixture.LoadText(
      "0 HEAD\n0 @I1@ INDI\n1 NAME Jean /Martin/\n1 FAMS @F1@\n1 FAMS @F2@\n"
      "0 @I2@ INDI\n1 NAME Anne /Roy/\n1 FAMS @F2@\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n"));
  EXPECT_EQ(SummarizePerson(fixture.session.index, 1).spouses, "(2) Anne Roy");
}

}  // namespace
}  // namespace quenor
