// The sample family shipped with the program (samples/famille-martin.ged).
#include <gtest/gtest.h>

#include <string>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/gedcom_opening.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;

const std::string kSamplePath = std::string(QUENOR_SAMPLES_DIR) + "/famille-martin.ged";

class SampleFamilyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LoadGedcomFile(fixture.session, kSamplePath), LoadResult::Loaded); }
  const GedcomIndex& index() const { return fixture.session.index; }
  std::string Name(int format, int32_t n) const { return PersonName(index(), format, n); }

  testing::SessionFixture fixture;
};

TEST(SampleFamilyFileTest, IsUtf8WithCrLfLineEnds) {
  const std::string bytes = testing::ReadBytes(kSamplePath);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(0, 8), "0 HEAD\r\n");
  EXPECT_NE(bytes.find("\r\n1 CHAR UTF-8\r\n"), std::string::npos);
  std::size_t lineFeeds = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n') continue;
    ++lineFeeds;
    ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 8), "0 TRLR\r\n");
  EXPECT_GT(lineFeeds, 500u);
}

TEST_F(SampleFamilyTest, IndexesEveryPersonAndFamily) {
  EXPECT_EQ(index().IndividualCount(), 55);
  EXPECT_EQ(index().FamilyCount(), 25);
  for (int32_t n = 1; n <= 55; ++n) EXPECT_FALSE(Name(0, n).empty()) << n;
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(SampleFamilyTest, AccentedNamesInBothOrders) {
  EXPECT_EQ(Name(0, 1), "Zoé Martin"_ansi);
  EXPECT_EQ(Name(1, 1), "Martin, Zoé"_ansi);
  EXPECT_EQ(Name(0, 2), "Jérôme Martin"_ansi);
  EXPECT_EQ(Name(1, 3), "Lefèvre, Hélène"_ansi);
  EXPECT_EQ(Name(0, 5), "Gaëlle Bénard"_ansi);
  EXPECT_EQ(Name(1, 7), "Côté, Françoise"_ansi);
  EXPECT_EQ(Name(0, 6), "Noël Lefèvre"_ansi);
  EXPECT_EQ(Name(1, 11), "Martin, Élisabeth"_ansi);
  EXPECT_EQ(Name(0, 10), "Jean-Baptiste Bénard"_ansi);
  EXPECT_EQ(Name(0, 23), "Héloïse de La Fontaine"_ansi);
  EXPECT_EQ(Name(1, 23), "de La Fontaine, Héloïse"_ansi);
  EXPECT_EQ(Name(1, 37), "d'Aubigné, Eugénie"_ansi);
  EXPECT_EQ(CoupleName(index(), 1), "Jérôme Martin et Hélène Lefèvre"_ansi);
}

// Seven generations on the paternal line of the probant.
TEST_F(SampleFamilyTest, ProbantHasTheDeepestPedigree) {
  int32_t generations = 1;
  for (int32_t n = 1; FatherOf(index(), n) != 0; n = FatherOf(index(), n)) ++generations;
  EXPECT_EQ(generations, 7);
}

// Benoît Martin (4) married his first cousin Gaëlle Bénard (5): Pierre Martin
// and Adélaïde Roux (16, 17) are the grandparents of both, so Jérôme (2)
// descends from them through two of their children, Étienne (8) and
// Élisabeth (11).
TEST_F(SampleFamilyTest, CousinsMarryAndTheirSonDescendsByTwoLines) {
  EXPECT_EQ(FatherOf(index(), 2), 4);
  EXPECT_EQ(MotherOf(index(), 2), 5);
  EXPECT_EQ(FatherOf(index(), 4), 8);
  EXPECT_EQ(MotherOf(index(), 5), 11);
  EXPECT_EQ(FatherOf(index(), 8), 16);
  EXPECT_EQ(FatherOf(index(), 11), 16);
  EXPECT_EQ(MotherOf(index(), 8), 17);
  EXPECT_EQ(MotherOf(index(), 11), 17);
}

TEST_F(SampleFamilyTest, WidowerAndWidowMarryAgain) {
  const auto widower = MarriagesOf(index(), 28);  // Jean Martin
  EXPECT_EQ(widower[0], "       8 nov 1876 Fécamp, Seine-Maritime, France"_ansi);
  EXPECT_EQ(widower[1], "entre 1883 et 1885 Fécamp, Seine-Maritime, France"_ansi);
  EXPECT_TRUE(widower[2].empty());
  const auto widow = MarriagesOf(index(), 7);  // Françoise Côté
  EXPECT_EQ(widow[0], "        vers 1970 Lisieux, Calvados, France"_ansi);
  EXPECT_EQ(widow[1], "      21 jun 1980 Évreux, Eure, France"_ansi);
  EXPECT_EQ(FatherOf(index(), 47), 46);
  EXPECT_EQ(MotherOf(index(), 47), 7);
}

}  // namespace
}  // namespace quenor
