#pragma once
// A session holding a hand-written family, and the kinship search between two
// of its persons as the selection dialog hands them over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/record_fields.h"
#include "kinship/kinship_search.h"
#include "platform/cp1252.h"
#include "tests/kinship/family_tree.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {

// Splits a report into its lines, checking that every line ends in CR LF.
inline std::vector<std::string> ReportLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::string Blanks(std::size_t count) { return std::string(count, ' '); }

class KinshipFixture : public SessionFixture {
 public:
  bool Load(const FamilyTree& tree) { return LoadText(tree.Gedcom()); }

  // Both persons chosen, then the search, as the second "OK" runs it.
  KinshipOutcome Search(int32_t first, int32_t second) {
    KinshipState& kinship = session.kinship;
    kinship.firstPerson = first;
    kinship.firstName = PersonName(session.index, 0, first);
    kinship.secondPerson = second;
    kinship.secondName = PersonName(session.index, 0, second);
    ui.messages.clear();
    return SearchKinship(session);
  }

  std::vector<std::string> Lines(const std::string& fileName) const { return ReportLines(Report(fileName)); }
  std::string Ansi(const std::string& utf8) const { return Cp1252FromUtf8(utf8); }
  // The first line of the kinship reports: the analysis title centred in `width`.
  std::string AnalysisTitleLine(int width) const {
    const std::string title = "Analyse du fichier " + session.dataFolder + "  " + session.runDate;
    const int margin = (width - static_cast<int>(title.size())) / 2;
    return Blanks(margin > 0 ? static_cast<std::size_t>(margin) : 0) + title;
  }
};

// The fixture of the kinship test suites.
class KinshipTest : public ::testing::Test, public KinshipFixture {};

}  // namespace quenor::testing
