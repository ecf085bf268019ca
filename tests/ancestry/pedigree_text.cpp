#include "tests/ancestry/pedigree_text.h"

#include <sstream>

namespace quenor::testing {

PedigreeText& PedigreeText::Person(int n, const std::string& name, int parentFamily,
                                   const std::vector<int>& spouseFamilies) {
  records_ += "0 @I" + std::to_string(n) + "@ INDI\n";
  if (!name.empty()) records_ += "1 NAME " + name + "\n";
  if (parentFamily != 0) records_ += "1 FAMC @F" + std::to_string(parentFamily) + "@\n";
  for (int f : spouseFamilies) records_ += "1 FAMS @F" + std::to_string(f) + "@\n";
  return *this;
}

PedigreeText& PedigreeText::Family(int f, int husband, int wife, const std::string& marriageDate,
                                   const std::string& marriagePlace) {
  records_ += "0 @F" + std::to_string(f) + "@ FAM\n";
  if (husband != 0) records_ += "1 HUSB @I" + std::to_string(husband) + "@\n";
  if (wife != 0) records_ += "1 WIFE @I" + std::to_string(wife) + "@\n";
  if (!marriageDate.empty() || !marriagePlace.empty()) {
    records_ += "1 MARR\n";
    if (!marriageDate.empty()) records_ += "2 DATE " + marriageDate + "\n";
    if (!marriagePlace.empty()) records_ += "2 PLAC " + marriagePlace + "\n";
  }
  return *this;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<std::string> LinesOf(const std::string& report) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace quenor::testing
