#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "ancestry/consanguinity_list.h"
#include "bench/gedgen/gedcom_writer.h"
#include "bench/gedgen/output_charset.h"
#include "bench/gedgen/population.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/gedcom_opening.h"
#include "tests/support/session_fixture.h"

namespace quenor::gedgen {
namespace {

using namespace quenor::literals;
using quenor::testing::ReadBytes;
using quenor::testing::ScratchFolder;
using quenor::testing::SessionFixture;

PopulationOptions People(int32_t individuals, uint64_t seed = 1, int pedigree = 0) {
  PopulationOptions options;
  options.individuals = individuals;
  options.seed = seed;
  options.pedigreeGenerations = pedigree;
  return options;
}

WriterOptions Written(OutputCharset charset, uint64_t seed = 1, bool crlf = true) {
  WriterOptions options;
  options.charset = charset;
  options.seed = seed;
  options.crlf = crlf;
  return options;
}

// Writes the population as a file of `folder` and returns its path.
std::string WriteFile(const ScratchFolder& folder, const std::string& name, const Population& population,
                      const WriterOptions& options) {
  const std::string path = (folder / name).string();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  EXPECT_NE(out, nullptr);
  GedcomWriter writer(population, options, out);
  EXPECT_TRUE(writer.Write());
  std::fclose(out);
  return path;
}

std::string Generate(const PopulationOptions& people, const WriterOptions& options) {
  ScratchFolder folder;
  return ReadBytes(WriteFile(folder, "g.ged", Population(people), options));
}

int32_t NamedCount(const Population& population) {
  int32_t named = 0;
  for (int32_t n = 1; n <= population.PersonCount(); ++n) named += population.PersonAt(n).named ? 1 : 0;
  return named;
}

std::string Encoded(std::string_view utf8, OutputCharset charset) {
  std::string out;
  AppendEncoded(out, utf8, charset);
  return out;
}

TEST(OutputCharsetTest, WritesAccentsInEachCharacterSet) {
  EXPECT_EQ(Encoded("Élisabeth Françoise", OutputCharset::Ansel), "\xE2" "Elisabeth Fran\xF0" "coise");
  EXPECT_EQ(Encoded("Noël Côté Loïc Hélène", OutputCharset::Ansel),
            "No\xE8" "el C\xE3" "ot\xE2" "e Lo\xE8" "ic H\xE2" "el\xE1" "ene");
  EXPECT_EQ(Encoded("Œuvrard Lebœuf", OutputCharset::Ansel), "\xA6uvrard Leb\xB6uf");
  EXPECT_EQ(Encoded("Élisabeth Œuvrard", OutputCharset::Ansi), "\xC9lisabeth \x8Cuvrard");
  EXPECT_EQ(Encoded("Zoé", OutputCharset::Utf8), "Zoé");
  EXPECT_EQ(Encoded("«\xE2\x82\xAC»", OutputCharset::Ansel), "\"?\"");
  EXPECT_EQ(Encoded("x\xC3", OutputCharset::Ansi), "x?");
}

TEST(OutputCharsetTest, ParsesTheCommandLineNames) {
  EXPECT_EQ(ParseOutputCharset("utf8"), OutputCharset::Utf8);
  EXPECT_EQ(ParseOutputCharset("utf8-bom"), OutputCharset::Utf8WithMark);
  EXPECT_EQ(ParseOutputCharset("ansel"), OutputCharset::Ansel);
  EXPECT_EQ(ParseOutputCharset("ansi"), OutputCharset::Ansi);
  EXPECT_FALSE(ParseOutputCharset("latin9").has_value());
}

TEST(GedgenTest, SameSeedGivesTheSameFileAndAnotherSeedAnother) {
  const std::string first = Generate(People(3000, 42), Written(OutputCharset::Utf8, 42));
  EXPECT_EQ(first, Generate(People(3000, 42), Written(OutputCharset::Utf8, 42)));
  EXPECT_NE(first, Generate(People(3000, 43), Written(OutputCharset::Utf8, 43)));
}

TEST(GedgenTest, FileHasTheRequestedLineEndsMarkAndCharLine) {
  const std::string crlf = Generate(People(200), Written(OutputCharset::Utf8WithMark));
  EXPECT_EQ(crlf.substr(0, 11), "\xEF\xBB\xBF" "0 HEAD\r\n");
  EXPECT_NE(crlf.find("\r\n1 CHAR UTF-8\r\n"), std::string::npos);
  EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\n'), std::count(crlf.begin(), crlf.end(), '\r'));
  EXPECT_EQ(crlf.substr(crlf.size() - 8), "0 TRLR\r\n");

  const std::string lf = Generate(People(200), Written(OutputCharset::Ansel, 1, false));
  EXPECT_EQ(lf.substr(0, 7), "0 HEAD\n");
  EXPECT_NE(lf.find("\n1 CHAR ANSEL\n"), std::string::npos);
  EXPECT_EQ(lf.find('\r'), std::string::npos);
  EXPECT_NE(Generate(People(200), Written(OutputCharset::Ansi)).find("\r\n1 CHAR ANSI\r\n"), std::string::npos);
}

TEST(GedgenTest, FileHasTheVarietyOfRealFiles) {
  const std::string text = Generate(People(5000, 9), Written(OutputCharset::Utf8, 9));
  for (const char* expected : {" ABT ", " BEF ", " AFT ", " BET ", " AND ", " EST ", "\n1 CONC ", "\n2 CONC ",
                               "0 @N1@ NOTE ", "0 @S1@ SOUR", "2 SOUR @S", ", Seine-Maritime, France\r\n",
                               "-Baptiste", " /de La Fontaine/", "Œuvrard", "é", "è", "ç", "ô", "ï", "\n1 NAME /"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  for (const char* month : {" JAN ", " FEB ", " MAR ", " APR ", " MAY ", " JUN ", " JUL ", " AUG ", " SEP ",
                            " OCT ", " NOV ", " DEC "}) {
    EXPECT_NE(text.find(month), std::string::npos) << month;
  }
}

TEST(GedgenTest, PopulationHasRemarriagesCousinMarriagesAndNamelessPersons) {
  const Population population(People(20000, 5));
  ASSERT_EQ(population.PersonCount(), 20000);
  int remarriedMen = 0, remarriedWomen = 0, cousinMarriages = 0, nameless = 0;
  for (int32_t n = 1; n <= population.PersonCount(); ++n) {
    const Person& person = population.PersonAt(n);
    if (person.families[1] != 0) ++(person.sex == Sex::Male ? remarriedMen : remarriedWomen);
    if (!person.named) ++nameless;
  }
  auto grandparentFamilies = [&](int32_t n) {
    std::set<int32_t> families;
    const int32_t parents = population.PersonAt(n).parentFamily;
    if (parents == 0) return families;
    for (int32_t parent : {population.FamilyAt(parents).husband, population.FamilyAt(parents).wife}) {
      if (population.PersonAt(parent).parentFamily != 0) families.insert(population.PersonAt(parent).parentFamily);
    }
    return families;
  };
  for (int32_t f = 1; f <= population.FamilyCount(); ++f) {
    const Family& family = population.FamilyAt(f);
    const std::set<int32_t> his = grandparentFamilies(family.husband);
    const std::set<int32_t> hers = grandparentFamilies(family.wife);
    const bool shared = std::any_of(his.begin(), his.end(), [&](int32_t g) { return hers.count(g) > 0; });
    if (shared) ++cousinMarriages;
    const int32_t hisParents = population.PersonAt(family.husband).parentFamily;
    EXPECT_TRUE(hisParents == 0 || hisParents != population.PersonAt(family.wife).parentFamily) << "siblings in F" << f;
  }
  EXPECT_GT(remarriedMen, 50);
  EXPECT_GT(remarriedWomen, 20);
  EXPECT_GT(cousinMarriages, 10);
  EXPECT_GT(nameless, 10);
}

// The population of the consanguinity benchmark: many generations, spouses
// from outside, and consanguineous persons at every generation.
TEST(GedgenTest, ImplexPopulationHasManyGenerationsAndManyConsanguineousPersons) {
  const Population population(ImplexPopulation(30000, 7));
  ASSERT_EQ(population.PersonCount(), 30000);
  // Children are numbered after their parents: one pass gives every depth.
  std::vector<int> depth(static_cast<std::size_t>(population.PersonCount()) + 1, 1);
  int deepest = 1;
  int32_t outsiders = 0;
  for (int32_t n = 1; n <= population.PersonCount(); ++n) {
    const Person& person = population.PersonAt(n);
    if (person.parentFamily == 0) {
      if (person.families[0] != 0) ++outsiders;
      continue;
    }
    const Family& parents = population.FamilyAt(person.parentFamily);
    ASSERT_LT(parents.husband, n);
    ASSERT_LT(parents.wife, n);
    depth[static_cast<std::size_t>(n)] =
        1 + std::max(depth[static_cast<std::size_t>(parents.husband)], depth[static_cast<std::size_t>(parents.wife)]);
    deepest = std::max(deepest, depth[static_cast<std::size_t>(n)]);
  }
  EXPECT_GE(deepest, 10);
  EXPECT_GT(outsiders, 3000);

  SessionFixture fixture;
  ScratchFolder folder;
  ASSERT_EQ(LoadGedcomFile(fixture.session, WriteFile(folder, "i.ged", population, Written(OutputCharset::Utf8))),
            LoadResult::Loaded);
  const ConsanguinityFigures figures = MeasureConsanguinity(fixture.session.index);
  EXPECT_GT(figures.consanguineous.size(), figures.individuals / 10u);
  EXPECT_TRUE(figures.undefined.empty());
}

TEST(GedgenTest, PedigreeGivesPersonOneDistinctAncestorsNumberedBySosa) {
  const int generations = 9;
  const int32_t lastSosa = (1 << generations) - 1;
  const Population population(People(1500, 3, generations));
  EXPECT_EQ(population.PersonCount(), 1500);
  SessionFixture fixture;
  ScratchFolder folder;
  ASSERT_EQ(LoadGedcomFile(fixture.session, WriteFile(folder, "p.ged", population, Written(OutputCharset::Ansi))),
            LoadResult::Loaded);
  const GedcomIndex& index = fixture.session.index;
  for (int32_t k = 1; k <= lastSosa; ++k) {
    EXPECT_FALSE(PersonName(index, 0, k).empty()) << k;
    const bool hasParents = k <= lastSosa / 2;
    EXPECT_EQ(FatherOf(index, k), hasParents ? 2 * k : 0) << k;
    EXPECT_EQ(MotherOf(index, k), hasParents ? 2 * k + 1 : 0) << k;
  }
  // A son carries his father's surname.
  EXPECT_EQ(PersonName(index, 3, 1), PersonName(index, 3, 2));
}

TEST(GedgenTest, LoadedFileIndexesEveryNamedPersonAndEveryFamily) {
  const Population population(People(4000, 11));
  SessionFixture fixture;
  ScratchFolder folder;
  ASSERT_EQ(LoadGedcomFile(fixture.session, WriteFile(folder, "u.ged", population, Written(OutputCharset::Utf8))),
            LoadResult::Loaded);
  EXPECT_EQ(fixture.session.index.IndividualCount(), NamedCount(population));
  EXPECT_EQ(fixture.session.index.FamilyCount(), population.FamilyCount());
  int32_t checked = 0;
  for (int32_t f = 1; f <= population.FamilyCount(); ++f) {
    const Family& family = population.FamilyAt(f);
    for (int32_t child = family.firstChild; child < family.firstChild + family.childCount; ++child) {
      if (!population.PersonAt(child).named) continue;
      ASSERT_EQ(FatherOf(fixture.session.index, child), family.husband);
      ASSERT_EQ(MotherOf(fixture.session.index, child), family.wife);
      ++checked;
    }
  }
  EXPECT_GT(checked, 2000);
}

// The names read from the ANSEL, UTF-8 and UTF-8 with mark files are those
// of the Windows-1252 file (ANSEL has no Œ: those names are left out there).
TEST(GedgenTest, EveryCharacterSetLoadsToTheSameNames) {
  const Population population(People(1500, 17));
  ScratchFolder folder;
  SessionFixture ansi;
  ASSERT_EQ(LoadGedcomFile(ansi.session, WriteFile(folder, "ansi.ged", population, Written(OutputCharset::Ansi))),
            LoadResult::Loaded);
  ASSERT_EQ(PersonName(ansi.session.index, 0, 1).find('\xC3'), std::string::npos);
  for (OutputCharset charset : {OutputCharset::Ansel, OutputCharset::Utf8, OutputCharset::Utf8WithMark}) {
    SessionFixture other;
    ASSERT_EQ(LoadGedcomFile(other.session, WriteFile(folder, "other.ged", population, Written(charset))),
              LoadResult::Loaded);
    int32_t accented = 0;
    for (int32_t n = 1; n <= population.PersonCount(); ++n) {
      const std::string expected = PersonName(ansi.session.index, 1, n);
      const bool hasOe = expected.find_first_of("\x8C\x9C") != std::string::npos;
      if (charset == OutputCharset::Ansel && hasOe) continue;
      ASSERT_EQ(PersonName(other.session.index, 1, n), expected) << "individual " << n << " charset "
                                                                  << static_cast<int>(charset);
      accented += std::any_of(expected.begin(), expected.end(), [](char c) { return (c & 0x80) != 0; }) ? 1 : 0;
    }
    EXPECT_GT(accented, 300);
  }
}

}  // namespace
}  // namespace quenor::gedgen
