// The kinship search on real files: every line written in LignCol.TXT and
// LstDesc.TXT must be a chain of parents and children joining the two
// persons, and the organigram must draw every person of the descent once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "kinship/descent_lines.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

// The number right-aligned or left-aligned in `width` columns at `at`, 0 when blank.
int32_t NumberAt(const std::string& line, std::size_t at, std::size_t width) {
  if (line.size() <= at) return 0;
  return static_cast<int32_t>(std::atol(line.substr(at, width).c_str()));
}

class RealFileTest : public KinshipTest {
 protected:
  bool IsParentOf(int32_t parent, int32_t child) const {
    return FatherOf(session.index, child) == parent || MotherOf(session.index, child) == parent;
  }

  // Each person of `line` is a child of the one before it.
  void ExpectChain(const std::vector<int32_t>& line) const {
    for (std::size_t i = 1; i < line.size(); ++i) {
      EXPECT_TRUE(IsParentOf(line[i - 1], line[i])) << line[i - 1] << " -> " << line[i];
    }
  }

  // Checks every double line of LignCol.TXT; returns their number.
  int CheckCollateralLines(int32_t first, int32_t second, const std::set<int32_t>& roots) {
    const std::vector<std::string> lines = Lines("LignCol.TXT");
    const std::string sameLine = Ansi("(Même lignée que la précédente)");
    int rows = 0;
    std::vector<int32_t> left;
    std::vector<int32_t> right;
    auto finishRow = [&] {
      if (left.empty() && right.empty()) return;
      for (const std::vector<int32_t>* side : {&left, &right}) {
        if (side->empty()) continue;
        ExpectChain(*side);
        EXPECT_EQ(side->back(), side == &left ? first : second);
        const int32_t top = side->front();
        EXPECT_TRUE(roots.count(FatherOf(session.index, top)) + roots.count(MotherOf(session.index, top)) > 0)
            << "no root ancestor above " << top;
      }
      left.clear();
      right.clear();
    };
    for (std::size_t i = 5; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (line.empty()) {
        finishRow();
        ++rows;
        ++i;  // the root couple
        continue;
      }
      if (const int32_t n = NumberAt(line, 0, 8)) left.push_back(n);
      if (line.size() > 50 && line.compare(60, sameLine.size(), sameLine) != 0) {
        if (const int32_t n = NumberAt(line, 50, 8)) right.push_back(n);
      }
    }
    finishRow();
    return rows;
  }

  // Checks every line of LstDesc.TXT; returns their number.
  int CheckDescentLines(int32_t ancestor, int32_t descendant, std::set<int32_t>& persons) {
    const std::vector<std::string> lines = Lines("LstDesc.TXT");
    int count = 0;
    std::vector<int32_t> left;
    std::vector<int32_t> right;
    auto finishBlock = [&] {
      for (std::vector<int32_t>* column : {&left, &right}) {
        if (column->empty()) continue;
        ++count;
        EXPECT_EQ(column->front(), ancestor);
        EXPECT_EQ(column->back(), descendant);
        ExpectChain(*column);
        persons.insert(column->begin(), column->end());
        column->clear();
      }
    };
    for (std::size_t i = 4; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (line.empty()) {
        finishBlock();
        continue;
      }
      if (const int32_t n = NumberAt(line, 0, 8)) left.push_back(n);
      if (const int32_t n = NumberAt(line, 50, 8)) right.push_back(n);
    }
    finishBlock();
    return count;
  }

  // The persons of the name lines of OrgDesc.TXT, each expected once.
  std::set<int32_t> OrganigramPersons() {
    std::set<int32_t> persons;
    const std::vector<std::string> lines = Lines("OrgDesc.TXT");
    const std::size_t width = lines.empty() ? 0 : lines[0].size();
    for (const std::string& line : lines) {
      EXPECT_EQ(line.size(), width);
      EXPECT_TRUE(line[0] == '#' || line[0] == '*') << line;
      if (line[0] != '#') continue;
      for (std::size_t cell = 0; cell + 7 <= line.size(); cell += 7) {
        const int32_t n = NumberAt(line, cell + 1, 6);
        if (n != 0) {
          EXPECT_TRUE(persons.insert(n).second) << n << " twice";
        }
      }
    }
    return persons;
  }
};

TEST_F(RealFileTest, VictoriaAndAlbertAreFirstCousins) {
  ASSERT_TRUE(LoadData("royal92.ged"));
  EXPECT_EQ(Search(1, 2), KinshipOutcome::RootAncestors);
  const std::vector<std::string> souches = Lines("LstSouch.TXT");
  ASSERT_EQ(souches.size(), 8u);
  EXPECT_EQ(souches[6].substr(0, 42), "   2448  Francis Frederick of_Saxe-Coburg ");
  EXPECT_EQ(souches[7].substr(0, 32), "   2614  Augusta Reuss-Ebersdorf");
  EXPECT_EQ(CheckCollateralLines(1, 2, {2448, 2614}), 1);
}

TEST_F(RealFileTest, RoyalCousinsLinkedByManyLines) {
  ASSERT_TRUE(LoadData("royal92.ged"));
  for (const auto& [first, second] : {std::pair{58, 435}, std::pair{58, 426}, std::pair{115, 426}}) {
    SCOPED_TRACE(std::to_string(first) + " " + std::to_string(second));
    EXPECT_EQ(Search(first, second), KinshipOutcome::RootAncestors);
    std::set<int32_t> roots;
    const std::vector<std::string> souches = Lines("LstSouch.TXT");
    for (std::size_t i = 6; i < souches.size(); ++i) roots.insert(NumberAt(souches[i], 0, 7));
    const int rows = CheckCollateralLines(first, second, roots);
    EXPECT_GE(rows, 3);
    EXPECT_EQ(ui.messages.back().text,
              std::to_string(rows) + Ansi(" lignées collatérales doubles relient ") + session.kinship.firstName +
                  " et " + session.kinship.secondName);
  }
}

TEST_F(RealFileTest, RoyalDescentsBySeveralLinesAndTheirOrganigrams) {
  ASSERT_TRUE(LoadData("royal92.ged"));
  for (const auto& [descendant, ancestor, count] :
       {std::tuple{58, 1, 2}, std::tuple{115, 321, 10}, std::tuple{115, 736, 12}, std::tuple{115, 2448, 4}}) {
    SCOPED_TRACE(std::to_string(descendant) + " " + std::to_string(ancestor));
    EXPECT_EQ(Search(ancestor, descendant), KinshipOutcome::Descent);
    std::set<int32_t> persons;
    EXPECT_EQ(CheckDescentLines(ancestor, descendant, persons), count);
    const OrganigramLayout& layout = session.kinship.organigram;
    ASSERT_TRUE(layout.laidOut);
    EXPECT_EQ(layout.ancestor, ancestor);
    EXPECT_EQ(layout.descendant, descendant);
    if (layout.ancestorSpouse != 0) persons.insert(layout.ancestorSpouse);
    EXPECT_EQ(OrganigramPersons(), persons);
  }
}

TEST_F(RealFileTest, PresidentialCousinsAndDescents) {
  ASSERT_TRUE(LoadData("pres2020.ged"));
  EXPECT_EQ(Search(2200, 1722), KinshipOutcome::RootAncestors);
  EXPECT_EQ(CheckCollateralLines(2200, 1722, {958, 959, 1047, 1048}), 2);
  EXPECT_EQ(Search(2200, 1193), KinshipOutcome::RootAncestors);
  EXPECT_EQ(CheckCollateralLines(2200, 1193, {690, 691}), 1);

  EXPECT_EQ(Search(1194, 676), KinshipOutcome::Descent);
  std::set<int32_t> persons;
  EXPECT_EQ(CheckDescentLines(676, 1194, persons), 1);
  EXPECT_TRUE(session.kinship.organigram.singleLineOrganigram);
  EXPECT_EQ(session.kinship.organigram.caption, "Descente de George Herbert Walker Bush et Barbara Pierce sur George Walker Bush");

  EXPECT_EQ(Search(1194, 1466), KinshipOutcome::NoCommonRoot);
}

}  // namespace
}  // namespace quenor::testing
