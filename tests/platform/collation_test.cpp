// The collation of the alphabetical list and the locale it is chosen from.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gedcom/sort_list.h"
#include "platform/collation.h"
#include "platform/cp1252.h"

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

}  // namespace
}  // namespace quenor
