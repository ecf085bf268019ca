// The collation of the alphabetical list and the locale it is chosen from.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "gedcom/sort_list.h"
#include "platform/collation.h"
#include "platform/cp1252.h"
#include "platform/worker_pool.h"

namespace quenor {
namespace {

using namespace literals;

TEST(CollationLocale, FirstSetVariableWithoutEncodingFrenchForCAndPosix) {
  EXPECT_EQ(CollationLocaleFrom(nullptr, nullptr, nullptr), "fr");
  EXPECT_EQ(CollationLocaleFrom("", "", ""), "fr");
  EXPECT_EQ(CollationLocaleFrom("C", "de_DE.UTF-8", "en_US.UTF-8"), "fr");
  EXPECT_EQ(CollationLocaleFrom("C.UTF-8", nullptr, nullptr), "fr");
  EXPECT_EQ(CollationLocaleFrom(nullptr, nullptr, "POSIX"), "fr");
  EXPECT_EQ(CollationLocaleFrom("", "de_DE.UTF-8", "en_US.UTF-8"), "de_DE");
  EXPECT_EQ(CollationLocaleFrom(nullptr, nullptr, "fr_CA.ISO-8859-1@euro"), "fr_CA");
  EXPECT_EQ(CollationLocaleFrom("sv_SE", "de_DE", nullptr), "sv_SE");
}

class CollationTest : public ::testing::Test {
 protected:
  int Compare(const char* a, const char* b) const { return collation->Compare(Cp1252FromUtf8(a), Cp1252FromUtf8(b)); }
  std::unique_ptr<Collation> collation = OpenCollation("fr");
};

TEST_F(CollationTest, CaseIgnoredAccentsSecondaryPunctuationSignificant) {
  EXPECT_EQ(Compare("DUPONT, JEAN", "dupont, jean"), 0);
  EXPECT_LT(Compare("Dupont, Jean", "dupont, Marie"), 0);
  EXPECT_LT(Compare("Emil", "Émile"), 0);
  EXPECT_LT(Compare("Émile", "Emma"), 0);
  EXPECT_LT(Compare("Cote", "Côte"), 0);  // an accent still tells two names apart
  EXPECT_NE(Compare("Saint-Pierre", "Saintpierre"), 0);
  EXPECT_LT(Compare("D'Aubigné", "Dabadie"), 0);
  EXPECT_LT(Compare("Lebœuf", "Lebon"), 0);  // œ sorts as "oe"
}

TEST_F(CollationTest, KeysHoldNoNulAndOrderAsCompare) {
  const std::vector<std::string> names = {"Zoé", "zoe", "Ève", "Eve", "Œuvrard", "Ouvrard", "", "a"};
  for (const std::string& name : names) {
    std::string key;
    collation->AppendSortKey(Cp1252FromUtf8(name), key);
    EXPECT_EQ(key.find('\0'), std::string::npos) << name;
  }
  EXPECT_LT(Compare("", "a"), 0);
}

TEST(CollationOpen, UnknownLocaleFallsBackToRootRules) {
  const std::unique_ptr<Collation> collation = OpenCollation("xx_YY");
  ASSERT_NE(collation, nullptr);
  EXPECT_LT(collation->Compare("Emil", "Emma"), 0);
  EXPECT_EQ(collation->Compare("ABC", "abc"), 0);
}

TEST(SortByName, EqualNamesKeepFileOrderAndEveryEntryAppearsOnce) {
  SortList list;
  const std::vector<std::pair<int32_t, std::string>> entries = {
      {10, "Martin, Paul"}, {11, "dupont, Marie"}, {12, "Martin, Paul"}, {13, "Dupont, Jean"},
      {14, "MARTIN, PAUL"}, {15, ", Anne"},       {16, ""}};
  for (const auto& [number, name] : entries) list.Add(number, name);
  SortByName(list, *OpenCollation("fr"));
  std::vector<int32_t> sorted;
  for (uint32_t entry : list.Order()) sorted.push_back(list.Number(entry));
  EXPECT_EQ(sorted, (std::vector<int32_t>{16, 15, 13, 11, 10, 12, 14}));
}

TEST(SortByName, ManyRepeatedNamesSortLikeAPlainComparison) {
  SortList list;
  const std::unique_ptr<Collation> collation = OpenCollation("fr");
  const char* surnames[] = {"Côté", "Cote", "côte", "Lévesque", "Levesque", "d'Aubigné", "Da Silva", "Dupont"};
  const char* given[] = {"Jean", "Élise", "jean-Marie", "Zoé"};
  std::vector<std::string> names;
  for (int i = 0; i < 400; ++i) {
    names.push_back(Cp1252FromUtf8(std::string(surnames[(i * 7) % 8]) + ", " + given[(i * 3) % 4]));
    list.Add(i, names.back());
  }
  SortByName(list, *collation);
  const std::vector<uint32_t>& order = list.Order();
  ASSERT_EQ(order.size(), names.size());
  for (std::size_t i = 1; i < order.size(); ++i) {
    const int c = collation->Compare(names[order[i - 1]], names[order[i]]);
    EXPECT_TRUE(c < 0 || (c == 0 && order[i - 1] < order[i])) << i;
  }
}


// --- quick keys and sorting on several threads ------------------------------


// Names that test the weights of characters: accents on every vowel, Œ and
// ß that weigh as two letters, case, blanks, hyphens, apostrophes, digits,
// the middle dot, signs of Windows-1252's upper half.
std::vector<std::string> TrickyNames() {
  const char* surnames[] = {"Côté", "Cote", "côte", "coté", "COTE", "Lévesque", "Levesque", "d'Aubigné", "Da Silva",
                            "Dupont", "Du Pont", "Du-Pont", "Œillet", "Oeillet", "Straße", "Strasse", "Aaberg",
                            "Chabot", "Cizek", "Ĺukas", "L·lobet", "Müller", "Mueller", "Zoë", "Ångström", "Ñuñez",
                            "Nunez", "O'Neil", "Oneil", "Smith 2", "Smith 10", "Šimek", "€uro", "Æsir", "Aesir"};
  const char* given[] = {"Jean", "Élise", "jean-Marie", "Zoé", "Anne Marie", ""};
  std::vector<std::string> names;
  for (std::size_t i = 0; i < 420; ++i) {
    names.push_back(Cp1252FromUtf8(std::string(surnames[i % std::size(surnames)]) + ", " +
                                   given[(i / std::size(surnames) + i) % std::size(given)]));
  }
  return names;
}

// The list of `names`, sorted on `threads` threads; the names in its order.
std::vector<std::string> SortedNames(const std::vector<std::string>& names, const Collation& collation,
                                     unsigned threads) {
  SortList list;
  for (std::size_t i = 0; i < names.size(); ++i) list.Add(static_cast<int32_t>(i), names[i]);
  WorkerPool pool(threads);
  SortByName(list, collation, pool);
  std::vector<std::string> sorted;
  for (uint32_t entry : list.Order()) sorted.push_back(names[entry] + "#" + std::to_string(entry));
  return sorted;
}

// The same names in the collation's own order, equal names in file order.
std::vector<std::string> ComparedNames(const std::vector<std::string>& names, const Collation& collation) {
  std::vector<std::size_t> order(names.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return collation.Compare(names[a], names[b]) < 0; });
  std::vector<std::string> sorted;
  for (std::size_t i : order) sorted.push_back(names[i] + "#" + std::to_string(i));
  return sorted;
}

TEST(SortByName, TheCollationsOrderInEveryLocaleOnAnyThreads) {
  // French, its neighbours, and locales whose letters weigh differently
  // together (Czech "ch", Danish "aa", Spanish of old) or whose accents
  // weigh from the end (Canadian French): whatever keys the sort takes, the
  // order is the collation's.
  const std::vector<std::string> names = TrickyNames();
  for (const char* locale : {"fr", "fr_CA", "de", "en", "es", "es@collation=traditional", "it", "nl", "pt", "sv", "da",
                             "cs", "pl", "xx_YY"}) {
    const std::unique_ptr<Collation> collation = OpenCollation(locale);
    const std::vector<std::string> expected = ComparedNames(names, *collation);
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
      EXPECT_EQ(SortedNames(names, *collation, threads), expected) << locale << ", " << threads << " threads";
    }
  }
}

TEST(QuickSortKeys, OrderAsTheSortKeysWhereCharactersWeighAlone) {
  const std::unique_ptr<Collation> collation = OpenCollation("fr");
  const std::vector<std::string> names = TrickyNames();
  auto quick = [&](const std::string& name) {
    std::string key;
    EXPECT_TRUE(collation->AppendQuickSortKey(name, key)) << name;
    EXPECT_EQ(key.find('\0'), std::string::npos) << name;
    return key;
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& a = names[i];
    const std::string& b = names[(i * 31 + 7) % names.size()];
    // The middle dot after an L weighs with it in the root rules.
    if (a.find('\xB7') != std::string::npos || b.find('\xB7') != std::string::npos) continue;
    const int byQuickKeys = quick(a).compare(quick(b));
    const int byCollation = collation->Compare(a, b);
    EXPECT_EQ(byQuickKeys < 0, byCollation < 0) << a << " / " << b;
    EXPECT_EQ(byQuickKeys == 0, byCollation == 0) << a << " / " << b;
  }
  // Accents weighed from the end have no quick key.
  std::string key;
  EXPECT_FALSE(OpenCollation("fr_CA")->AppendQuickSortKey("c\xF4te", key));
  EXPECT_TRUE(key.empty());
}

}  // namespace
}  // namespace quenor
