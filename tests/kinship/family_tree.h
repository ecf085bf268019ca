#pragma once
// Hand-written families for the kinship tests: persons and couples, written
// out as a GEDCOM text with the FAMC, FAMS, HUSB, WIFE and CHIL lines.
#include <map>
#include <string>
#include <vector>

namespace quenor::testing {

class FamilyTree {
 public:
  FamilyTree& Person(int n, const std::string& given, const std::string& surname) {
    persons_[n].name = given + " /" + surname + "/";
    return *this;
  }
  // A "1 SEX" line for person n ("M", "F", "U"...).
  FamilyTree& Sex(int n, const std::string& sex) {
    persons_[n].sex = sex;
    return *this;
  }
  // Family f of `husband` and `wife` (0 for none) with their children.
  FamilyTree& Family(int f, int husband, int wife, const std::vector<int>& children) {
    families_[f] = {husband, wife, children};
    if (husband != 0) persons_[husband].spouseFamilies.push_back(f);
    if (wife != 0) persons_[wife].spouseFamilies.push_back(f);
    for (int child : children) persons_[child].parentFamily = f;
    return *this;
  }

  std::string Gedcom() const {
    std::string text = "0 HEAD\n1 CHAR ANSI\n";
    for (const auto& [n, person] : persons_) {
      text += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME " + person.name + "\n";
      if (!person.sex.empty()) text += "1 SEX " + person.sex + "\n";
      if (person.parentFamily != 0) text += "1 FAMC @F" + std::to_string(person.parentFamily) + "@\n";
      for (int f : person.spouseFamilies) text += "1 FAMS @F" + std::to_string(f) + "@\n";
    }
    for (const auto& [f, family] : families_) {
      text += "0 @F" + std::to_string(f) + "@ FAM\n";
      if (family.husband != 0) text += "1 HUSB @I" + std::to_string(family.husband) + "@\n";
      if (family.wife != 0) text += "1 WIFE @I" + std::to_string(family.wife) + "@\n";
      for (int child : family.children) text += "1 CHIL @I" + std::to_string(child) + "@\n";
    }
    return text + "0 TRLR\n";
  }

 private:
  struct PersonRecord {
    std::string name;
    std::string sex;
    int parentFamily = 0;
    std::vector<int> spouseFamilies;
  };
  struct FamilyRecord {
    int husband = 0;
    int wife = 0;
    std::vector<int> children;
  };
  std::map<int, PersonRecord> persons_;
  std::map<int, FamilyRecord> families_;
};

// Persons 1 and 2 married; each later generation is a brother and a sister,
// children of the couple above, married in turn: persons 2g + 1 and 2g + 2 of
// family g + 1 for g = 1 to `generations`. The last child, person
// 2 * generations + 3, descends from person 1 by 2^generations lines.
inline FamilyTree SiblingLadder(int generations) {
  FamilyTree tree;
  tree.Person(1, "Adam", "Souche").Person(2, "Eve", "Souche");
  for (int g = 1; g <= generations; ++g) {
    tree.Person(2 * g + 1, "Frere" + std::to_string(g), "Echelle").Person(2 * g + 2, "Soeur" + std::to_string(g), "Echelle");
    tree.Family(g, 2 * g - 1, 2 * g, {2 * g + 1, 2 * g + 2});
  }
  const int last = 2 * generations + 3;
  tree.Person(last, "Dernier", "Echelle").Family(generations + 1, 2 * generations + 1, 2 * generations + 2, {last});
  return tree;
}

}  // namespace quenor::testing
