#pragma once
// The texts of one ancestor in the AutoCAD script: the name, cut in two for
// the inner generations, and the marriage date or place beside it.
#include <string>

#include "fanchart/ancestor_line.h"
#include "fanchart/script_output.h"

namespace quenor {

// What stays from one ancestor to the next during one export.
struct ScriptTextState {
  int layerGeneration = 0;  // generation whose layer was made current last; 0 none
};

// h0 when the text has at most maxChars characters, else h0 * maxChars / length.
double FitTextHeight(const std::string& text, int maxChars, double baseHeight);

// Writes the texts of `line` (generation 2 to 12) at scale `scale`.
void WriteAncestorTexts(ScriptOutput& out, ScriptTextState& state, const AncestorLine& line, float scale);

}  // namespace quenor
