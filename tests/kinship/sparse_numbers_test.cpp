// A file whose numbers are far sparser than its persons: the analyses keep
// most persons in maps rather than in flat tables, and their reports must be
// those of the same file numbered densely.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>

#include "ancestry/ancestry_analysis.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

constexpr int32_t kSpread = 3000;  // royal92.ged numbers its 3010 persons from 1

// The file with every individual number n written n * kSpread.
std::string Spread(const std::string& text) {
  static const std::regex individual("@I([0-9]+)@");
  std::string out;
  auto last = text.cbegin();
  for (std::sregex_iterator it(text.begin(), text.end(), individual), end; it != end; ++it) {
    out.append(last, (*it)[0].first);
    out += "@I" + std::to_string(std::stol((*it)[1].str()) * kSpread) + "@";
    last = (*it)[0].second;
  }
  out.append(last, text.cend());
  return out;
}

// A report whose lines start with a number in 7 columns, that number brought
// back to the dense numbering; its title, which names the scratch folder, left
// out.
std::string Dense(const std::string& report) {
  std::string out;
  const std::vector<std::string> lines = ReportLines(report);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const long number = line.size() >= 7 ? std::strtol(line.substr(0, 7).c_str(), nullptr, 10) : 0;
    char field[32];
    if (number > 0 && number % kSpread == 0 && line.substr(0, 7).find_first_not_of(" 0123456789") == std::string::npos) {
      std::snprintf(field, sizeof field, "%7ld", number / kSpread);
      out += field + line.substr(7) + "\r\n";
    } else {
      out += line + "\r\n";
    }
  }
  return out;
}

struct Reports {
  std::string statistics, repeated, roots, descent;
};

Reports Analyse(const std::string& gedcom, int32_t factor) {
  KinshipFixture fixture;
  EXPECT_TRUE(fixture.LoadText(gedcom));
  fixture.session.chosenLine = std::to_string(115 * factor);
  fixture.session.selectionMode = 1;
  EXPECT_EQ(AnalyseAncestry(fixture.session), AncestryOutcome::Analysed);
  Reports reports{fixture.Report("Stat.TXT"), Dense(fixture.Report("LstRep.TXT")), "", ""};
  EXPECT_EQ(fixture.Search(115 * factor, 426 * factor), KinshipOutcome::RootAncestors);
  reports.roots = Dense(fixture.Report("LstSouch.TXT"));
  EXPECT_EQ(fixture.Search(321 * factor, 115 * factor), KinshipOutcome::Descent);
  reports.descent = fixture.Report("LstDesc.TXT");
  return reports;
}

TEST(SparseNumbers, ReportsAreThoseOfTheDenseFile) {
  const std::string dense = ReadBytes(DataFile("royal92.ged"));
  const std::string sparse = Spread(dense);
  {
    KinshipFixture fixture;
    ASSERT_TRUE(fixture.LoadText(sparse));
    ASSERT_EQ(fixture.session.index.HighestIndividual(), 3010 * kSpread);
    ASSERT_LT(fixture.session.index.FlatIndividualLimit(), 200'000);
  }
  const Reports expected = Analyse(dense, 1);
  const Reports spread = Analyse(sparse, kSpread);
  EXPECT_EQ(spread.statistics, expected.statistics);
  EXPECT_GT(expected.repeated.size(), 500u);
  EXPECT_EQ(spread.repeated, expected.repeated);
  EXPECT_EQ(spread.roots, expected.roots);
  EXPECT_EQ(ReportLines(spread.descent).size(), ReportLines(expected.descent).size());
}

}  // namespace
}  // namespace quenor::testing
