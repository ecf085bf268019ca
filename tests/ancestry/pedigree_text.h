#pragma once
// Small GEDCOM files written record by record for the ancestry tests, and
// the reading of the reports they give.
#include <string>
#include <vector>

namespace quenor::testing {

class PedigreeText {
 public:
  // An individual; `name` as on its NAME line ("Jean /Dupont/"), none when
  // empty; `parentFamily` 0 for none.
  PedigreeText& Person(int n, const std::string& name, int parentFamily = 0,
                       const std::vector<int>& spouseFamilies = {});
  // A family; husband or wife 0 leaves out its line.
  PedigreeText& Family(int f, int husband, int wife, const std::string& marriageDate = "",
                       const std::string& marriagePlace = "");
  std::string Text() const { return "0 HEAD\n1 CHAR ANSI\n" + records_ + "0 TRLR\n"; }

 private:
  std::string records_;
};

// The text with every line feed written as CR LF, as the reports are.
std::string WithCrLf(const std::string& text);

// The lines of a report, without their CR LF.
std::vector<std::string> LinesOf(const std::string& report);

}  // namespace quenor::testing
