#pragma once
// What the organigram window needs of the last descent laid out: its caption
// and the shape of the text drawing written to OrgDesc.TXT.
#include <cstdint>
#include <string>

namespace quenor {

struct OrganigramLayout {
  bool laidOut = false;        // OrgDesc.TXT holds the drawing described here
  std::string caption;         // "Descente de %s sur %s" or "Descente de %s et %s sur %s"
  int columnCount = 0;         // n, at least 2: every line has 7n + 1 characters
  int lineCount = 0;           // lines written to OrgDesc.TXT
  int generationCount = 0;     // levels drawn, the ancestor's included
  bool singleLineOrganigram = false;     // SingleLineOrganigram: the tree has one column
  int32_t ancestor = 0;        // at the top
  int32_t ancestorSpouse = 0;  // beside him, 0 when none or not always the same
  int32_t descendant = 0;      // at the bottom
};

}  // namespace quenor
