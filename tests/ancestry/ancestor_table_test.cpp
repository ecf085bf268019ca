// Filling the ancestor table by Stradonitz number, and finding the persons
// that are their own ancestors.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <set>
#include <utility>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/is_named.h"
#include "ancestry/named_persons.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "platform/worker_pool.h"
#include "tests/ancestry/pedigree_text.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::PedigreeText;
using testing::SessionFixture;

constexpr int32_t kFirstOfGeneration20 = 1 << 19;

class AncestorTableTest : public ::testing::Test {
 protected:
  void Load(const PedigreeText& text) { ASSERT_TRUE(fixture.LoadText(text.Text())); }
  AncestorTable& Table() { return fixture.session.ancestors; }
  void Fill(int32_t person) { FillAncestorTable(fixture.session.index, person, Table()); }
  int CheckLoops() { return CheckAncestorLoops(fixture.session, Table(), Table().lastStradonitz); }
  const std::vector<testing::RecordedMessage>& Messages() { return fixture.ui.messages; }

  SessionFixture fixture;
};

// A line of fathers: individual i is the son of family i, whose husband is i + 1.
PedigreeText LineOfFathers(int generations) {
  PedigreeText text;
  for (int i = 1; i <= generations; ++i) {
    text.Person(i, "Pere" + std::to_string(i) + " /Lignee/", i < generations ? i : 0);
    if (i < generations) text.Family(i, i + 1, 0);
  }
  return text;
}

TEST_F(AncestorTableTest, ParentsKnownButNotGrandparents) {
  Load(PedigreeText().Person(1, "Paul /Fils/", 1).Person(2, "Jean /Pere/").Person(3, "Anne /Mere/").Family(1, 2, 3));
  Table()[9] = 77;  // left over from an earlier build
  Fill(1);
  EXPECT_EQ(Table()[1], 1);
  EXPECT_EQ(Table()[2], 2);
  EXPECT_EQ(Table()[3], 3);
  EXPECT_EQ(Table()[9], 0);
  EXPECT_EQ(Table().lastStradonitz, 3);
}

TEST_F(AncestorTableTest, WifeWithoutHusbandFillsOnlyTheOddEntry) {
  Load(PedigreeText()
           .Person(1, "Paul /Fils/", 1)
           .Person(3, "Anne /Mere/", 2)
           .Person(7, "Marie /Grand-mere/")
           .Family(1, 0, 3)
           .Family(2, 0, 7));
  Fill(1);
  EXPECT_EQ(Table()[2], 0);
  EXPECT_EQ(Table()[3], 3);
  EXPECT_EQ(Table()[6], 0);
  EXPECT_EQ(Table()[7], 7);
  EXPECT_EQ(Table().lastStradonitz, 7);
}

TEST_F(AncestorTableTest, NoAncestorLeavesLastAtZero) {
  Load(PedigreeText().Person(1, "Paul /Seul/", 1).Family(1, 0, 0));
  Fill(1);
  EXPECT_EQ(Table()[1], 1);
  EXPECT_EQ(Table().lastStradonitz, 0);
}

TEST_F(AncestorTableTest, PointerWithoutNumberNamesNobody) {
  ASSERT_TRUE(fixture.LoadText("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Paul /Fils/\n1 FAMC @F1@\n"
                               "0 @I3@ INDI\n1 NAME Anne /Mere/\n0 @F1@ FAM\n1 HUSB @VOID@\n1 WIFE @I3@\n0 TRLR\n"));
  Fill(1);
  EXPECT_EQ(Table()[2], 0);
  EXPECT_EQ(Table()[3], 3);
  EXPECT_EQ(Table().lastStradonitz, 3);
}

TEST_F(AncestorTableTest, GenerationsBeyondTwentyAreIgnored) {
  Load(LineOfFathers(25));
  Fill(1);
  EXPECT_EQ(Table()[kFirstOfGeneration20], 20);
  EXPECT_EQ(Table().lastStradonitz, kFirstOfGeneration20);
  EXPECT_EQ(CheckLoops(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AncestorTableTest, WalkStopsAfterAGenerationWithoutEntry) {
  // The mother's line is known to generation 3 only; a family pointing to a
  // person who is not indexed still fills the entry.
  Load(PedigreeText()
           .Person(1, "Paul /Fils/", 1)
           .Person(3, "Anne /Mere/", 2)
           .Family(1, 0, 3)
           .Family(2, 900, 0));
  Fill(1);
  EXPECT_EQ(Table()[6], 900);
  EXPECT_EQ(Table().lastStradonitz, 6);
}

// The table filled generation by generation on several threads is the one
// filled on one, entry for entry, down to the last number: royal pedigrees
// fill all 20 generations (the last ones with the same persons again and
// again), a line of fathers stops, a loop goes on to the 20th.
TEST_F(AncestorTableTest, FilledOnSeveralThreadsAsOnOne) {
  const auto expectSameFill = [&](int32_t person, const std::string& what) {
    Fill(person);
    const std::vector<int32_t> alone(Table().data(), Table().data() + AncestorTable::kSize);
    const int32_t last = Table().lastStradonitz;
    for (const unsigned threads : {1u, 2u, 3u, 8u}) {
      WorkerPool workers(threads);
      AncestorTable shared;
      FillAncestorTable(fixture.session.index, person, shared, workers);
      EXPECT_EQ(shared.lastStradonitz, last) << what << ", " << threads << " threads";
      EXPECT_TRUE(std::equal(alone.begin(), alone.end(), shared.data())) << what << ", " << threads << " threads";
    }
    return last;
  };
  ASSERT_TRUE(fixture.LoadData("royal92.ged"));
  for (const int32_t person : {452, 115, 1, 2910}) {
    const int32_t last = expectSameFill(person, "royal92 " + std::to_string(person));
    if (person == 452) {
      EXPECT_GE(last, kFirstOfGeneration20);
    }
  }
  Load(LineOfFathers(25));
  expectSameFill(1, "line of fathers");
  Load(PedigreeText().Person(1, "Jean /Boucle/", 1).Family(1, 1, 0));
  EXPECT_EQ(expectSameFill(1, "own father"), kFirstOfGeneration20);
}

class VisitRecorder : public AncestorVisitor {
 public:
  void GenerationStarts(int generation) override { events.push_back(std::string(1, 'G').append(std::to_string(generation))); }
  void AncestorFound(int32_t k, int32_t person, int32_t family) override {
    events.push_back(std::to_string(k) + ":" + std::to_string(person) + "/" + std::to_string(family));
  }
  std::vector<std::string> events;
};

TEST_F(AncestorTableTest, VisitorHearsEachEntryWithItsGenerationFirst) {
  Load(PedigreeText()
           .Person(1, "Paul /Fils/", 1)
           .Person(2, "Jean /Pere/")
           .Person(3, "Anne /Mere/", 2)
           .Person(7, "Marie /Grand-mere/")
           .Family(1, 2, 3)
           .Family(2, 0, 7));
  VisitRecorder recorder;
  FillAncestorTable(fixture.session.index, 1, Table(), &recorder);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"G2", "2:2/1", "3:3/1", "G3", "7:7/2"}));
}

TEST_F(AncestorTableTest, PersonWhoIsHisOwnFather) {
  Load(PedigreeText().Person(1, "Jean /Boucle/", 1).Family(1, 1, 0));
  Fill(1);
  EXPECT_EQ(Table()[kFirstOfGeneration20], 1);
  EXPECT_EQ(Table().lastStradonitz, kFirstOfGeneration20);
  EXPECT_EQ(CheckLoops(), 1);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].caption, "Erreur dans le fichier GEDCOM");
  EXPECT_EQ(Messages()[0].text, "1 Jean Boucle\n\nCette personne est ascendante d'elle-même."_ansi);
  EXPECT_EQ(Messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Messages()[1].caption, "ATTENTION : erreur dans le fichier GEDCOM");
  EXPECT_EQ(Messages()[1].icon, MessageIcon::Warning);
  const std::string summary = Messages()[1].text;
  EXPECT_EQ(summary.rfind("Passé la 1e génération, les données sont erronnées.\n1 ascendant problème causent "_ansi, 0), 0u)
      << summary;
  EXPECT_EQ(summary.substr(summary.size() - 8), " erreurs");
}

TEST_F(AncestorTableTest, PersonWhoIsHisOwnGrandfather) {
  // Jean's father Pierre is the son of Jean: both are their own grandfathers.
  Load(PedigreeText()
           .Person(1, "Jean /Boucle/", 1)
           .Person(2, "Pierre /Boucle/", 2)
           .Person(3, "Anne /Mere/")
           .Family(1, 2, 3)
           .Family(2, 1, 0));
  Fill(1);
  EXPECT_EQ(Table()[kFirstOfGeneration20], 2);
  EXPECT_EQ(Table()[kFirstOfGeneration20 / 2], 1);
  EXPECT_EQ(Table()[3], 3);
  EXPECT_EQ(CheckLoops(), 1);
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[0].text, "1 Jean Boucle\n\nCette personne est ascendante d'elle-même."_ansi);
  EXPECT_EQ(Messages()[1].text, "2 Pierre Boucle\n\nCette personne est ascendante d'elle-même."_ansi);
  EXPECT_EQ(Messages()[2].text.rfind("Passé la 1e génération, les données sont erronnées.\n2 ascendants problèmes causent "_ansi, 0), 0u)
      << Messages()[2].text;
}

TEST_F(AncestorTableTest, LoopAboveTheProbantGivesItsGeneration) {
  // Paul's grandfather Marc is his own father.
  Load(PedigreeText()
           .Person(1, "Paul /Fils/", 1)
           .Person(2, "Jean /Pere/", 2)
           .Person(4, "Marc /Boucle/", 3)
           .Family(1, 2, 0)
           .Family(2, 4, 0)
           .Family(3, 4, 0));
  Fill(1);
  EXPECT_EQ(CheckLoops(), 3);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].text.substr(0, 14), "4 Marc Boucle\n");
  EXPECT_EQ(Messages()[1].text.rfind("Passé la 3e génération"_ansi, 0), 0u);
}

TEST_F(AncestorTableTest, LoopCheckOnAHandMadeTableCountsEachError) {
  // One line, 1 -> 5 -> 1 over three generations: one error, one person.
  Load(PedigreeText().Person(1, "Jean /Un/").Person(5, "Luc /Cinq/"));
  AncestorTable table;
  table[1] = 1;
  table[2] = 5;
  table[4] = 1;
  EXPECT_EQ(CheckAncestorLoops(fixture.session, table, 4), 1);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text, "Passé la 1e génération, les données sont erronnées.\n1 ascendant problème cause 1 erreur"_ansi);
  EXPECT_EQ(CheckAncestorLoops(fixture.session, table, 0), 0);
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(AncestorTableTest, LoopThroughANumberNoFileIndexesIsFound) {
  // A pointer read as the highest 32-bit number fills the table like any other.
  Load(PedigreeText().Person(1, "Jean /Un/"));
  AncestorTable table;
  table[1] = 1;
  table[3] = 2147483647;
  table[6] = 2147483647;
  EXPECT_EQ(CheckAncestorLoops(fixture.session, table, 6), 2);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].text.rfind("2147483647 ", 0), 0u);
}

TEST_F(AncestorTableTest, ANewBuildLeavesNothingOfTheLastOne) {
  Load(PedigreeText()
           .Person(1, "Jean /Boucle/", 1)
           .Person(2, "Paul /Fils/", 2)
           .Person(3, "Luc /Pere/")
           .Family(1, 1, 0)
           .Family(2, 3, 0));
  Fill(1);  // his own father: the table runs to generation 20
  ASSERT_EQ(Table()[kFirstOfGeneration20], 1);
  Fill(2);
  EXPECT_EQ(Table().lastStradonitz, 2);
  for (int32_t k = 3; k < AncestorTable::kSize; ++k) ASSERT_EQ(Table()[k], 0) << k;

  AncestorTable table;
  table[AncestorTable::kSize - 1] = 7;  // written directly, as a test does
  table.data()[12345] = 8;
  table.Clear();
  for (int32_t k = 0; k < AncestorTable::kSize; ++k) ASSERT_EQ(std::as_const(table)[k], 0) << k;
}

// The check as first written: every line of the last generation built and
// scanned position by position, each person told at the first error met.
std::vector<std::string> LoopMessagesLineByLine(const GedcomIndex& index, const AncestorTable& table, int32_t last,
                                                int& firstGeneration) {
  const int n = GenerationOf(last);
  std::vector<std::string> messages;
  std::set<int32_t> reported;
  int errors = 0;
  firstGeneration = 0;
  for (int32_t k = n > 0 ? int32_t{1} << (n - 1) : 1; n > 0 && k < int32_t{1} << n; ++k) {
    std::array<int32_t, 21> line{};
    for (int d = 1; d <= n; ++d) line[d] = table[k >> (n - d)];
    for (int d = 1; d <= n; ++d) {
      if (line[d] == 0) continue;
      for (int m = d + 1; m <= 20; ++m) {
        if (line[m] != line[d]) continue;
        ++errors;
        if (firstGeneration == 0 || d < firstGeneration) firstGeneration = d;
        if (reported.insert(line[d]).second) {
          messages.push_back(std::to_string(line[d]) + " " + PersonName(index, 0, line[d]) +
                             "\n\nCette personne est ascendante d'elle-même."_ansi);
        }
      }
    }
  }
  if (!reported.empty()) {
    const bool persons = reported.size() > 1;
    char text[256];
    std::snprintf(text, sizeof text, "Passé la %de génération, les données sont erronnées.\n%d ascendant%s problème%s cause%s %d erreur%s",
                  firstGeneration, static_cast<int>(reported.size()), persons ? "s" : "", persons ? "s" : "",
                  errors > 1 ? "nt" : "", errors, errors > 1 ? "s" : "");
    messages.push_back(Cp1252FromUtf8(text));
  }
  return messages;
}

TEST_F(AncestorTableTest, LoopCheckTellsWhatTheLineByLineScanTells) {
  PedigreeText text;
  for (int n = 1; n <= 9; ++n) text.Person(n, "Prenom" + std::to_string(n) + " /Nom/");
  Load(text);
  std::mt19937 random(2024);
  int withLoops = 0;
  for (int round = 0; round < 400; ++round) {
    // A table as a build leaves it: nobody below an empty entry, persons
    // taken from a few so that they repeat, on lines and across them.
    AncestorTable table;
    const int generations = 1 + static_cast<int>(random() % 11);
    int32_t last = 1;
    table[1] = 1 + static_cast<int32_t>(random() % 9);
    for (int32_t k = 2; k < int32_t{1} << generations; ++k) {
      if (table[k / 2] == 0 || random() % 4 == 0) continue;
      table[k] = 1 + static_cast<int32_t>(random() % (round % 2 == 0 ? 9 : 40));
      last = k;
    }
    fixture.ui.messages.clear();
    int expectedGeneration = 0;
    const std::vector<std::string> expected = LoopMessagesLineByLine(fixture.session.index, table, last, expectedGeneration);
    EXPECT_EQ(CheckAncestorLoops(fixture.session, table, last), expectedGeneration) << round;
    std::vector<std::string> told;
    for (const testing::RecordedMessage& message : Messages()) told.push_back(message.text);
    ASSERT_EQ(told, expected) << round;
    withLoops += expected.empty() ? 0 : 1;
  }
  EXPECT_GT(withLoops, 100);
  EXPECT_LT(withLoops, 400);
}

TEST_F(AncestorTableTest, CousinsMarriedTwiceOverAreNoLoop) {
  // Paul's parents are first cousins: grandparents 8 and 9 stand twice in
  // the table, on separate lines, and nobody is his own ancestor.
  Load(PedigreeText()
           .Person(1, "Paul /Martin/", 1)
           .Person(2, "Jean /Martin/", 2)
           .Person(3, "Marie /Durand/", 3)
           .Person(4, "Louis /Martin/", 4)
           .Person(5, "Anne /Roy/")
           .Person(6, "Pierre /Durand/")
           .Person(7, "Rose /Martin/", 4)
           .Person(8, "Jacques /Martin/")
           .Person(9, "Jeanne /Blanc/")
           .Family(1, 2, 3)
           .Family(2, 4, 5)
           .Family(3, 6, 7)
           .Family(4, 8, 9));
  Fill(1);
  EXPECT_EQ(Table()[8], 8);
  EXPECT_EQ(Table()[14], 8);
  EXPECT_EQ(CheckLoops(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AncestorTableTest, NamedMeansALetterInTheName) {
  Load(PedigreeText()
           .Person(1, "Jean /Dupont/")
           .Person(2, "/123/ 45")
           .Person(3, "")
           .Person(4, "\xC9 /1/")
           .Person(5, "? /?/"));
  const GedcomIndex& index = fixture.session.index;
  EXPECT_TRUE(IsNamed(index, 1));
  EXPECT_FALSE(IsNamed(index, 2));
  EXPECT_FALSE(IsNamed(index, 3));
  EXPECT_TRUE(IsNamed(index, 4));
  EXPECT_FALSE(IsNamed(index, 5));
  EXPECT_FALSE(IsNamed(index, 99));
  // Remembered, the answers stay the same, asked once or twice, for numbers
  // in the file or beyond it.
  NamedPersons named(index);
  for (int round = 0; round < 2; ++round) {
    for (int32_t n : {1, 2, 3, 4, 5, 99, -1, 0, 10'000'001}) EXPECT_EQ(named.IsNamed(n), IsNamed(index, n)) << n;
  }
}

TEST_F(AncestorTableTest, NamedLooksAtTheSurnameFirstFormAsCut) {
  // "38 digits, Jean" is cut at its last blank within 40 characters, which
  // leaves the digits and the comma only: no letter.
  const std::string digits(38, '7');
  // With a shorter surname the given name stays, and it has letters.
  const std::string fewer(30, '7');
  Load(PedigreeText().Person(1, "Jean /" + digits + "/").Person(2, "Jean /" + fewer + "/"));
  const GedcomIndex& index = fixture.session.index;
  EXPECT_EQ(PersonName(index, 1, 1), digits + ",");
  EXPECT_FALSE(IsNamed(index, 1));
  EXPECT_TRUE(IsNamed(index, 2));
}

}  // namespace
}  // namespace quenor
