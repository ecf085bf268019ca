// Names, dates, counts, marriages and parents read from the records.
#include <gtest/gtest.h>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::SessionFixture;

std::string Person(int n, const std::string& body) {
  return "0 @I" + std::to_string(n) + "@ INDI\n" + body;
}

class RecordFieldsTest : public ::testing::Test {
 protected:
  // Loads a file made of the given records after a header.
  void Load(const std::string& records) {
    ASSERT_TRUE(fixture.LoadText("0 HEAD\n1 CHAR ANSI\n" + records + "0 TRLR\n"));
  }
  std::string Name(int format, int n) { return PersonName(fixture.session.index, format, n); }
  const GedcomIndex& Index() { return fixture.session.index; }

  SessionFixture fixture;
};

TEST_F(RecordFieldsTest, NameFormatsOfGivenFirstAndSurnameFirst) {
  Load(Person(1, "1 NAME Jean /Dupont/\n") + Person(2, "1 NAME /Dupont/ Jean\n") + Person(3, "1 NAME Marie\n"));
  for (int n : {1, 2}) {
    EXPECT_EQ(Name(0, n), "Jean Dupont") << n;
    EXPECT_EQ(Name(1, n), "Dupont, Jean") << n;
    EXPECT_EQ(Name(2, n), "Jean") << n;
    EXPECT_EQ(Name(3, n), "Dupont") << n;
  }
  EXPECT_EQ(Name(0, 3), "Marie");
  EXPECT_EQ(Name(1, 3), ", Marie");
  EXPECT_EQ(Name(3, 3), "");
  EXPECT_EQ(Name(4, 1), "");
}

TEST_F(RecordFieldsTest, NameLimitsAndOddCharacters) {
  const std::string surname30 = "Abcdefghijklmnopqrstuvwxyzabcd";
  Load(Person(1, "1 NAME Jean Baptiste Marie /" + surname30 + "/\n") +
       Person(2, "1 NAME Jean /Du\\Pont/\n2 GIVN Jean\n") +
       Person(3, "1 NAME \xC9lise /C\xF4t\xE9/\n1 SEX F\n") +
       Person(4, "1 NAME Pierre Paul Jacques Jean Louis Marie /Martin-Dubois-Lefebvre/\n") +
       Person(5, "1 SEX M\n"));
  EXPECT_EQ(Name(0, 1), "Jean " + surname30);
  EXPECT_EQ(Name(3, 2), "Du/Pont");
  EXPECT_EQ(Name(0, 3), "\xC9lise C\xF4t\xE9");
  const std::string long0 = Name(0, 4);
  const std::string long1 = Name(1, 4);
  EXPECT_LE(long0.size(), 40u);
  EXPECT_LE(long1.size(), 40u);
  // The given names are cut to 39 - 22 characters, then back to a blank.
  EXPECT_EQ(long0, "Pierre Paul Martin-Dubois-Lefebvre");
  EXPECT_EQ(long1, "Martin-Dubois-Lefebvre, Pierre Paul");
  EXPECT_EQ(Name(0, 5), "");   // never indexed: no NAME line
  EXPECT_EQ(Name(0, 99), "");  // no record
  EXPECT_EQ(Name(0, 0), "");
  EXPECT_EQ(Name(0, 20'000'000), "");
}

TEST(FormatCountTest, GroupsDigitsByThree) {
  EXPECT_EQ(FormatCount(0), "0");
  EXPECT_EQ(FormatCount(999), "999");
  EXPECT_EQ(FormatCount(1000), "1 000");
  EXPECT_EQ(FormatCount(1234567), "1 234 567");
  EXPECT_EQ(FormatCount(2147483647), "2 147 483 647");
}

TEST(TranslateDateTest, MonthsAndQualifiersInFrench) {
  EXPECT_EQ(TranslateDate("ABT 1850"), "vers 1850");
  EXPECT_EQ(TranslateDate("12 FEB 1850"), "12 f\xE9v 1850");
  EXPECT_EQ(TranslateDate("FEB 1850"), "feb 1850");
  EXPECT_EQ(TranslateDate("BET 1850 AND 1860"), "entre 1850 et 1860");
  EXPECT_EQ(TranslateDate("EST 1850"), "est 1850");
  EXPECT_EQ(TranslateDate("BEF 3 AUG 1790"), "avant 3 ao\xFB 1790");
  EXPECT_EQ(TranslateDate("AFT 1 DEC 1800"), "apr\xE8s 1 d\xE9" "c 1800");
  // Each rule applies once, to its first occurrence.
  EXPECT_EQ(TranslateDate("FROM 1 MAY 1800 TO 2 MAY 1801"), "from 1 mai 1800 to 2 may 1801");
}

TEST_F(RecordFieldsTest, MarriageLinesAndCommas) {
  Load(Person(1, "1 NAME Jean /Martin/\n1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F3@\n") +
       "0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 12 FEB 1850\n2 PLAC Rouen,,, Normandie, \n" +
       "0 @F2@ FAM\n1 HUSB @I1@\n1 DIV\n" +
       "0 @F3@ FAM\n1 HUSB @I1@\n1 MARR Y\n2 PLAC Saint-Andr\xE9\n2 DATE ABT 1870\n");
  const auto lines = MarriagesOf(Index(), 1);
  EXPECT_EQ(lines[0], "      12 f\xE9v 1850 Rouen, Normandie");
  EXPECT_EQ(lines[1], "        vers 1870 Saint-Andr\xE9");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(MarriageLine(Index(), 2), "");
}

TEST_F(RecordFieldsTest, MarriageSubLinesStopAtTheNextEvent) {
  Load(Person(1, "1 NAME Jean /Martin/\n1 FAMS @F1@\n") +
       "0 @F1@ FAM\n1 MARR\n2 PLAC Paris\n1 EVEN\n2 PLAC Lyon\n2 DATE 1900\n");
  EXPECT_EQ(MarriageLine(Index(), 1), std::string(17, ' ') + " Paris");
}

TEST_F(RecordFieldsTest, ParentsAndCoupleName) {
  Load(Person(1, "1 NAME Paul /Martin/\n1 FAMC @F1@\n") + Person(2, "1 NAME Jean /Martin/\n") +
       Person(3, "1 NAME Anne /Roy/\n") + Person(4, "1 NAME Luc /Roy/\n1 FAMC @F2@\n") +
       Person(5, "1 NAME Eve /Roy/\n") +
       "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n" + "0 @F2@ FAM\n1 WIFE @I5@\n1 CHIL @I4@\n");
  EXPECT_EQ(FatherOf(Index(), 1), 2);
  EXPECT_EQ(MotherOf(Index(), 1), 3);
  EXPECT_EQ(CoupleName(Index(), 1), "Jean Martin et Anne Roy");
  EXPECT_EQ(FatherOf(Index(), 4), 0);
  EXPECT_EQ(CoupleName(Index(), 4), "Eve Roy");
  EXPECT_EQ(CoupleName(Index(), 2), "");
}

TEST(TitleElisionTest, VowelsTakeDApostrophe) {
  EXPECT_EQ(DeOrDApostrophe("Anne Roy"), "d'");
  EXPECT_EQ(DeOrDApostrophe("Yves Roy"), "de ");
  EXPECT_EQ(DeOrDApostrophe("\xC9lise"), "de ");
  EXPECT_EQ(DeOrDApostrophe(""), "de ");
}

}  // namespace
}  // namespace quenor
