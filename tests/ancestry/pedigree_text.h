#pragma once
// Small GEDCOM files written record by record for the ancestry tests.
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

}  // namespace quenor::testing
